#include "platform/dfm/form_reader.h"

#include <QFile>
#include <exception>
#include <vector>

#include "platform/dfm/dfm_parser.h"
#include "platform/dfm/property_table.h"
#include "platform/dfm/reader_context.h"
#include "platform/forms/class_registry.h"
#include "platform/forms/text_utils.h"
#include "platform/forms/win_control.h"

namespace tarvelon {
namespace {

TComponent* currentRoot = nullptr;

std::vector<TChildAdopter>& Adopters()
{
    static std::vector<TChildAdopter> adopters;
    return adopters;
}

bool StartsWithOn(const std::string& name)
{
    return name.size() > 2 && (name[0] == 'O' || name[0] == 'o') && (name[1] == 'n' || name[1] == 'N');
}

class Reader {
public:
    Reader(TComponent* root, const std::string& fileName, const THandlerTable& handlers)
        : root_(root), file_(fileName), handlers_(handlers)
    {
    }

    void Read(const TDfmObject& tree)
    {
        const TReaderRootScope scope(root_);
        EnsureStandardClasses();
        root_->BeginLoading();
        if (!tree.name.empty() && root_->Name().empty())
            root_->SetName(tree.name);
        CreateChildren(tree, root_);
        SetProperties(tree, root_);
        for (const Created& created : created_)
            SetProperties(*created.node, created.component);
        for (const Created& created : created_)
            created.component->Loaded();
        root_->Loaded();
    }

    std::vector<TDfmError> errors;

private:
    struct Created {
        const TDfmObject* node;
        TComponent* component;
    };

    void Report(int line, const std::string& message) { errors.push_back(TDfmError{file_, line, message}); }

    void CreateChildren(const TDfmObject& node, TComponent* parent)
    {
        for (const TDfmObject& child : node.children) {
            TComponent* component = child.inherited ? FindInherited(child) : Create(child, parent);
            if (!component)
                continue;  // reported; its objects are skipped with it
            created_.push_back(Created{&child, component});
            CreateChildren(child, component);
        }
    }

    TComponent* FindInherited(const TDfmObject& node)
    {
        TComponent* component = root_->FindComponent(node.name);
        if (!component)
            Report(node.line, "inherited " + node.name + " does not exist in the form");
        else
            component->BeginLoading();
        return component;
    }

    TComponent* Create(const TDfmObject& node, TComponent* parent)
    {
        if (!IsClassRegistered(node.className)) {
            Report(node.line, "unknown class " + node.className + " (object " + node.name + ")");
            return nullptr;
        }
        if (!node.name.empty() && root_->FindComponent(node.name)) {
            Report(node.line, "a second component named " + node.name);
            return nullptr;
        }
        TComponent* component = nullptr;
        try {
            component = CreateComponent(node.className, root_);
        } catch (const std::exception& failure) {
            Report(node.line, "class " + node.className + " could not be created: " + failure.what());
            return nullptr;
        }
        component->SetName(node.name);
        component->BeginLoading();
        if (!Adopt(parent, component)) {
            Report(node.line, node.name + " (" + node.className + ") cannot stand inside " + parent->Name());
            Free(component);
            return nullptr;
        }
        return component;
    }

    static bool Adopt(TComponent* parent, TComponent* child)
    {
        for (TChildAdopter adopter : Adopters()) {
            if (adopter(parent, child))
                return true;
        }
        auto* control = dynamic_cast<TControl*>(child);
        if (!control)
            return true;  // a plain component (timer, image list, menu) belongs to the form only
        auto* window = dynamic_cast<TWinControl*>(parent);
        if (!window)
            return false;
        control->SetParent(window);
        return true;
    }

    void SetProperties(const TDfmObject& node, TComponent* component)
    {
        const std::string who = node.name.empty() ? node.className : node.name;
        for (const TDfmProperty& property : node.properties) {
            try {
                if (StartsWithOn(property.name) && property.value.kind == TDfmValueKind::Identifier)
                    BindEvent(who, property, component);
                else if (!SetStoredProperty(*component, property.name, property.value))
                    Report(property.line, component->ClassName() + " has no property " + property.name + " (object " + who + ")");
            } catch (const TDfmValueError& failure) {
                Report(property.line, who + "." + property.name + ": " + failure.what());
            } catch (const std::exception& failure) {
                Report(property.line, who + "." + property.name + " could not be set: " + failure.what());
            }
        }
    }

    void BindEvent(const std::string& who, const TDfmProperty& property, TComponent* component)
    {
        const std::any* handler = handlers_.Find(property.value.text);
        if (!handler) {
            Report(property.line, "the form has no handler " + property.value.text + " for " + who + "." + property.name);
            return;
        }
        if (!BindStoredEvent(*component, property.name, *handler))
            Report(property.line, component->ClassName() + " has no event " + property.name + " (object " + who + ")");
    }

    TComponent* root_;
    std::string file_;
    const THandlerTable& handlers_;
    std::vector<Created> created_;
};

}  // namespace

TComponent* DfmComponent(const TDfmValue& value)
{
    if (value.kind != TDfmValueKind::Identifier)
        throw TDfmValueError("a component name was expected, not " + value.Describe());
    if (currentRoot) {
        if (SameText(currentRoot->Name(), value.text))
            return currentRoot;
        if (TComponent* component = currentRoot->FindComponent(value.text))
            return component;
    }
    throw TDfmValueError("there is no component " + value.text);
}

TReaderRootScope::TReaderRootScope(TComponent* root) : previous_(currentRoot)
{
    currentRoot = root;
}

TReaderRootScope::~TReaderRootScope()
{
    currentRoot = previous_;
}

std::string TReadResult::Message() const
{
    std::string message;
    for (const TDfmError& error : errors)
        message += (message.empty() ? "" : "\n") + error.Text();
    return message;
}

void RegisterChildAdopter(TChildAdopter adopter)
{
    Adopters().push_back(adopter);
}

TReadResult ReadComponentFromTree(TComponent* root, const TDfmObject& tree, const std::string& fileName,
                                  const THandlerTable& handlers)
{
    Reader reader(root, fileName, handlers);
    reader.Read(tree);
    return TReadResult{std::move(reader.errors)};
}

TReadResult ReadComponentFromText(TComponent* root, const std::string& text, const std::string& fileName,
                                  const THandlerTable& handlers)
{
    TDfmObject tree;
    TDfmError error;
    if (!ParseDfm(text, fileName, tree, error))
        return TReadResult{{error}};
    return ReadComponentFromTree(root, tree, fileName, handlers);
}

bool FindFormResource(const std::string& className, std::string& text, std::string& path)
{
    for (const char* extension : {".dfm", ".txt"}) {
        QFile file(ToQString(":/forms/" + className + extension));
        if (file.open(QIODevice::ReadOnly)) {
            text = file.readAll().toStdString();
            path = FromQString(file.fileName());
            return true;
        }
    }
    return false;
}

TReadResult ReadComponentResource(TComponent* root, const std::string& className, const THandlerTable& handlers)
{
    std::string text;
    std::string path;
    if (!FindFormResource(className, text, path))
        return TReadResult{{TDfmError{":/forms/" + className + ".dfm", 0, "the form description is not embedded in the program"}}};
    return ReadComponentFromText(root, text, path, handlers);
}

}  // namespace tarvelon
