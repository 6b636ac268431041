#pragma once
// TStoredForm: a form whose layout comes from its stored description. The screen's constructor
// registers its handlers by name, then reads the description:
//
//   TForm13::TForm13(TComponent* owner) : TStoredForm(owner)
//   {
//       BindHandler("btjogarClick", [this](TObject* sender) { ... });
//       ReadDescription("TForm13");            // resources/forms/TForm13.dfm
//       btjogar = FindChild<TButton>("btjogar");
//   }
//
// A description with problems still gives a usable form; the problems are kept in ReadProblems()
// and shown in a message box once the form is shown (ShowReadProblems).
#include "platform/dfm/form_reader.h"
#include "platform/forms/form.h"

namespace tarvelon {

class TStoredForm : public TForm {
public:
    explicit TStoredForm(TComponent* owner);
    std::string ClassName() const override { return "TStoredForm"; }

    template <typename F>
    void BindHandler(const std::string& name, F handler)
    {
        handlers_.Bind(name, std::move(handler));
    }
    const THandlerTable& Handlers() const { return handlers_; }

    // Reads the embedded description of the class; returns what went wrong (also kept).
    const TReadResult& ReadDescription(const std::string& className);
    // Reads a description given as text (tests, tools).
    const TReadResult& ReadDescriptionText(const std::string& text, const std::string& fileName);
    const TReadResult& ReadProblems() const { return problems_; }

    // The owned component of that name and class, or null.
    template <typename T>
    T* FindChild(const std::string& name) const
    {
        return dynamic_cast<T*>(FindComponent(name));
    }

    // Shows the problems of the description in a message box (nothing when there were none).
    void ShowReadProblems() const;

private:
    THandlerTable handlers_;
    TReadResult problems_;
};

}  // namespace tarvelon
