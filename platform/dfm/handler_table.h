#pragma once
// The event handlers a form offers to its stored description, by name: the description's
// `OnClick = btjogarClick` binds the handler the form registered as "btjogarClick".
// A handler keeps its exact signature; binding it to an event of another signature is reported.
#include <any>
#include <functional>
#include <map>
#include <string>
#include <utility>

namespace tarvelon {

namespace detail {
template <typename T>
struct CallSignature : CallSignature<decltype(&T::operator())> {};
template <typename C, typename R, typename... A>
struct CallSignature<R (C::*)(A...) const> {
    using type = void(A...);
};
template <typename C, typename R, typename... A>
struct CallSignature<R (C::*)(A...)> {
    using type = void(A...);
};
template <typename R, typename... A>
struct CallSignature<std::function<R(A...)>> {
    using type = void(A...);
};
}  // namespace detail

class THandlerTable {
public:
    // Registers a handler (a lambda or a std::function of the event's signature). Names compare
    // without regard to case.
    template <typename F>
    void Bind(const std::string& name, F handler)
    {
        using Function = std::function<typename detail::CallSignature<F>::type>;
        handlers_[Key(name)] = Function(std::move(handler));
    }
    // The handler of a name, or null.
    const std::any* Find(const std::string& name) const;
    bool Empty() const { return handlers_.empty(); }

private:
    static std::string Key(const std::string& name);
    std::map<std::string, std::any> handlers_;
};

}  // namespace tarvelon
