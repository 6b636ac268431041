// Components: an owner frees what it owns, a component freed first leaves its owner, names are
// found without regard to case, free notifications clear references, a parent frees its controls,
// and every class of the form library can be created by name.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/forms/class_registry.h"
#include "platform/forms/custom_control.h"
#include "platform/forms/form.h"
#include "platform/forms/graphic_control.h"
#include "platform/forms/timer.h"

namespace tarvelon {
namespace {

// Logs its end and what it is told about other components.
class TWatcher : public TComponent {
public:
    TWatcher(TComponent* owner, std::vector<std::string>& log, std::string name)
        : TComponent(owner), log_(log), name_(std::move(name))
    {
        SetName(name_);
    }
    ~TWatcher() override { log_.push_back(name_ + " freed"); }
    TComponent* watched = nullptr;

protected:
    void Notification(TComponent* component, TOperation operation) override
    {
        TComponent::Notification(component, operation);
        if (operation == opRemove && component == watched) {
            log_.push_back(name_ + " forgets " + component->Name());
            watched = nullptr;
        }
    }

private:
    std::vector<std::string>& log_;
    std::string name_;
};

TEST(ComponentTest, OwnerFreesWhatItOwnsLastFirst)
{
    std::vector<std::string> log;
    auto* owner = new TWatcher(nullptr, log, "owner");
    new TWatcher(owner, log, "a");
    new TWatcher(owner, log, "b");
    EXPECT_EQ(owner->ComponentCount(), 2);
    Free(owner);
    EXPECT_EQ(log, (std::vector<std::string>{"owner freed", "b freed", "a freed"}));
}

TEST(ComponentTest, ComponentFreedFirstLeavesItsOwnerAndSiblingsForgetIt)
{
    std::vector<std::string> log;
    TComponent owner(nullptr);
    auto* images = new TWatcher(&owner, log, "Images");
    auto* label = new TWatcher(&owner, log, "Label");
    label->watched = images;
    Free(images);
    EXPECT_EQ(owner.ComponentCount(), 1);
    EXPECT_EQ(label->watched, nullptr);
    EXPECT_EQ(log, (std::vector<std::string>{"Images freed", "Label forgets Images"}));
}

TEST(ComponentTest, FreeNotificationReachesAComponentOfAnotherOwner)
{
    std::vector<std::string> log;
    TComponent formA(nullptr);
    TComponent formB(nullptr);
    auto* list = new TWatcher(&formA, log, "ImageList1");
    auto* user = new TWatcher(&formB, log, "Grid");
    user->watched = list;
    list->FreeNotification(user);
    Free(list);
    EXPECT_EQ(user->watched, nullptr);
    // Removed again, nothing is said.
    auto* other = new TWatcher(&formA, log, "Other");
    user->watched = other;
    other->FreeNotification(user);
    other->RemoveFreeNotification(user);
    Free(other);
    EXPECT_EQ(user->watched, other);
}

TEST(ComponentTest, FindComponentIgnoresCaseAndMoves)
{
    std::vector<std::string> log;
    TComponent owner(nullptr);
    auto* button = new TWatcher(&owner, log, "btjogar");
    EXPECT_EQ(owner.FindComponent("BTJOGAR"), button);
    EXPECT_EQ(owner.FindComponent("btsair"), nullptr);
    EXPECT_EQ(owner.FindComponent(""), nullptr);
    TComponent other(nullptr);
    other.InsertComponent(button);
    EXPECT_EQ(owner.ComponentCount(), 0);
    EXPECT_EQ(button->Owner(), &other);
}

TEST(ControlTreeTest, ParentFreesItsControlsWhoeverOwnsThem)
{
    bool gridFreed = false;
    struct TGrid : TCustomControl {
        TGrid(TComponent* owner, bool& freed) : TCustomControl(owner), freed_(freed) {}
        ~TGrid() override { freed_ = true; }
        bool& freed_;
    };
    TForm form(nullptr);
    auto* panel = new TCustomControl(&form);
    panel->SetParent(&form);
    auto* grid = new TGrid(&form, gridFreed);  // owned by the form, placed on the panel
    grid->SetParent(panel);
    EXPECT_EQ(form.ComponentCount(), 2);
    Free(panel);
    EXPECT_TRUE(gridFreed);
    EXPECT_EQ(form.ComponentCount(), 0);
}

TEST(ControlTreeTest, ParentFontAndColorFollowTheParentUntilSetOwn)
{
    TForm form(nullptr);
    auto* label = new TGraphicControl(&form);
    label->SetParent(&form);
    label->SetParentColor(true);
    form.Font().SetName("Arial");
    form.SetColor(clNavy);
    EXPECT_EQ(label->Font().Name(), "Arial");
    EXPECT_EQ(label->Color(), clNavy);
    label->Font().SetSize(12);
    EXPECT_FALSE(label->ParentFont());
    form.Font().SetName("Courier New");
    EXPECT_EQ(label->Font().Name(), "Arial");
    label->SetColor(clRed);
    EXPECT_FALSE(label->ParentColor());
}

TEST(ControlTreeTest, AlignedControlsShareTheParentsClientArea)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 400, 300);
    auto* top = new TCustomControl(&form);
    top->SetParent(&form);
    top->SetHeight(40);
    top->SetAlign(alTop);
    auto* left = new TCustomControl(&form);
    left->SetParent(&form);
    left->SetWidth(100);
    left->SetAlign(alLeft);
    auto* client = new TCustomControl(&form);
    client->SetParent(&form);
    client->SetAlign(alClient);
    EXPECT_EQ(top->BoundsRect(), Rect(0, 0, 400, 40));
    EXPECT_EQ(left->BoundsRect(), Rect(0, 40, 100, 300));
    EXPECT_EQ(client->BoundsRect(), Rect(100, 40, 400, 300));
    form.SetBounds(0, 0, 500, 300);
    EXPECT_EQ(client->BoundsRect(), Rect(100, 40, 500, 300));
}

TEST(ControlTreeTest, RightAnchoredControlKeepsItsDistanceToTheRightEdge)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 400, 300);
    auto* button = new TCustomControl(&form);
    button->SetParent(&form);
    button->SetBounds(300, 250, 80, 30);
    button->SetAnchors({akRight, akBottom});
    auto* memo = new TCustomControl(&form);
    memo->SetParent(&form);
    memo->SetBounds(10, 10, 200, 100);
    memo->SetAnchors({akLeft, akTop, akRight});
    form.SetBounds(0, 0, 500, 350);
    EXPECT_EQ(button->BoundsRect(), Bounds(400, 300, 80, 30));
    EXPECT_EQ(memo->BoundsRect(), Bounds(10, 10, 300, 100));
}

TEST(RegistryTest, EveryFormsClassIsCreatedByName)
{
    for (const char* name : {"TComponent", "TGraphicControl", "TWinControl", "TCustomControl", "TForm",
                             "THintWindow", "TTimer"}) {
        TComponent owner(nullptr);
        TComponent* component = CreateComponent(name, &owner);
        ASSERT_NE(component, nullptr) << name;
        EXPECT_EQ(component->ClassName(), name);
        EXPECT_EQ(component->Owner(), &owner);
    }
    TComponent owner(nullptr);
    EXPECT_NE(CreateComponent("ttimer", &owner), nullptr);  // names ignore case
    EXPECT_EQ(CreateComponent("TNoSuchClass", nullptr), nullptr);
}

TEST(RegistryTest, PacksRegisterTheirClassesAndMayReplaceOne)
{
    struct TGradButton : TCustomControl {
        using TCustomControl::TCustomControl;
        std::string ClassName() const override { return "TGradButton"; }
    };
    RegisterComponentClass<TGradButton>("TGradButton");
    EXPECT_TRUE(IsClassRegistered("TGradButton"));
    TComponent owner(nullptr);
    EXPECT_EQ(CreateComponent("TGradButton", &owner)->ClassName(), "TGradButton");
    const auto names = RegisteredClassNames();
    EXPECT_NE(std::find(names.begin(), names.end(), "TForm"), names.end());
}

}  // namespace
}  // namespace tarvelon
