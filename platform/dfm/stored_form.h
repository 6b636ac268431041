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
// and shown in a message box once the form is shown (ShowReadProblems). A child that the code looks
// up with FindChild and the description does not have (or has of another class) is a problem too,
// and so is a handler the description names that the form did not bind (the reader reports it).
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

    // The owned component of that name and class, or null (then noted among the problems).
    template <typename T>
    T* FindChild(const std::string& name) const
    {
        T* child = dynamic_cast<T*>(FindComponent(name));
        if (!child)
            NoteMissingChild(name);
        return child;
    }

    // Shows the problems of the description in a message box (nothing when there were none).
    void ShowReadProblems() const;

private:
    void NoteMissingChild(const std::string& name) const;

    THandlerTable handlers_;
    std::string descriptionFile_;
    mutable TReadResult problems_;
};

}  // namespace tarvelon
