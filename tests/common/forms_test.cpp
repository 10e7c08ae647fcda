#include <gtest/gtest.h>

#include <sstream>

#include "common/error.h"

#include "common/forms/scroll_bar.h"
#include "common/forms/tree_view.h"
#include "host/headless/scripted_ui.h"
#include "tests/common/test_forms.h"

namespace norvel::tests {
namespace {

// Records what a renderer would be told.
class RecordingObserver : public FormObserver {
  public:
    void controlChanged(Control& control, ControlProperty property) override {
        events.push_back(control.name() + ":" + std::to_string(static_cast<int>(property)));
    }
    void formChanged(FormProperty property) override {
        events.push_back("form:" + std::to_string(static_cast<int>(property)));
    }
    std::vector<std::string> events;
};

class FormsTest : public ::testing::Test {
  protected:
    host::SessionCursor cursor{host::parseSessionScript("")};
    std::ostringstream out;
    host::ScriptedUi ui{cursor, out};
};

TEST_F(FormsTest, OptionButtonsGroupByTheFrameTheyAreDrawnIn) {
    frmPeople form(ui);
    form.Load();
    EXPECT_TRUE(form.opFirst.value());
    form.opAlone.setValue(true);  // another group: the frame's buttons stay as they are
    EXPECT_TRUE(form.opFirst.value());
    form.opLast.setValue(true);
    EXPECT_FALSE(form.opFirst.value());
    EXPECT_TRUE(form.opAlone.value());
    int clicks = form.orderClicks;
    form.opLast.setValue(true);  // already on: no change, no click
    form.opFirst.setValue(true);
    EXPECT_EQ(form.orderClicks, clicks + 1);
}

TEST_F(FormsTest, DisabledFramesAndUserControlsDisableWhatIsInside) {
    frmPeople form(ui);
    form.Load();
    EXPECT_TRUE(form.opLast.usable());
    form.fraOrder.setEnabled(false);
    EXPECT_FALSE(form.opLast.usable());
    EXPECT_FALSE(form.opLast.userClick());
    EXPECT_FALSE(form.opLast.value());
    form.ctlColor1.setVisible(false);
    EXPECT_FALSE(form.ctlColor1.txtColor.usable());
    EXPECT_EQ(form.findPath("ctlColor1.txtColor"), &form.ctlColor1.txtColor);
    EXPECT_EQ(form.findPath("CTLCOLOR1.TXTCOLOR"), &form.ctlColor1.txtColor);
    EXPECT_EQ(form.findPath("txtName.anything"), nullptr);
    EXPECT_EQ(form.findPath("ctlColor1.nothing"), nullptr);
}

TEST_F(FormsTest, ChangesReachTheObserverFromNestedControls) {
    frmPeople form(ui);
    RecordingObserver observer;
    form.setObserver(&observer);
    form.ctlColor1.txtColor.setText("FF0000");
    form.cmdRemove.setEnabled(true);
    form.setCaption("Other");
    EXPECT_EQ(observer.events,
              (std::vector<std::string>{
                  "txtColor:" + std::to_string(static_cast<int>(ControlProperty::Text)),
                  "cmdRemove:" + std::to_string(static_cast<int>(ControlProperty::Enabled)),
                  "form:" + std::to_string(static_cast<int>(FormProperty::Caption))}));
}

TEST_F(FormsTest, ComboBoxEditFieldAndListFollowEachOther) {
    ComboBox combo;
    int changes = 0, clicks = 0;
    combo.Change = [&] { ++changes; };
    combo.Click = [&] { ++clicks; };
    combo.addItem("Yes");
    combo.addItem("No");
    combo.setListIndex(1);
    EXPECT_EQ(combo.text(), "No");
    EXPECT_EQ(clicks, 1);
    combo.setText("Nope");  // typing away from the item leaves nothing selected
    EXPECT_EQ(combo.listIndex(), -1);
    EXPECT_EQ(changes, 2);
    combo.addItem("First", 0);
    combo.setListIndex(2);
    combo.removeItem(0);  // the selection moves with its item
    EXPECT_EQ(combo.listIndex(), 1);
    EXPECT_EQ(combo.list(combo.listIndex()), "No");
    EXPECT_THROW(combo.setListIndex(5), Error);

    ComboBox dropDown;
    dropDown.setStyle(ComboBox::Style::DropDownList);
    dropDown.addItem("Normal");
    dropDown.addItem("Bold");
    dropDown.setText("Bold");
    EXPECT_EQ(dropDown.listIndex(), 1);
    dropDown.setText("Heavy");  // no such item: nothing changes
    EXPECT_EQ(dropDown.text(), "Bold");
    EXPECT_FALSE(dropDown.userSetText("typed"));
}

TEST_F(FormsTest, TreeScrollBarAndTextLimits) {
    TreeView tree;
    std::vector<std::string> clicked;
    tree.NodeClick = [&](const std::string& key) { clicked.push_back(key); };
    tree.addNode("", "Main", "Main", 1, 1);
    tree.addNode("Main", "text", "Text", 2, 3);
    EXPECT_THROW(tree.addNode("", "Main", "again"), Error);
    EXPECT_THROW(tree.addNode("Nowhere", "x", "x"), Error);
    tree.selectNode("text");  // selecting in code clicks nothing
    EXPECT_TRUE(clicked.empty());
    EXPECT_TRUE(tree.userClickNode("Main"));
    EXPECT_EQ(clicked, std::vector<std::string>{"Main"});
    EXPECT_EQ(tree.selectedKey(), "Main");

    ScrollBar bar;
    bar.setRange(-9, 0);
    int changes = 0;
    bar.Change = [&] { ++changes; };
    bar.setValue(-1);
    bar.setValue(-1);
    EXPECT_EQ(changes, 1);
    EXPECT_THROW(bar.setValue(1), Error);
    EXPECT_FALSE(bar.userScroll(-10));

    TextBox box;
    box.setMaxLength(1);
    box.userType('3');
    box.userType('4');  // beyond the limit a person cannot type
    EXPECT_EQ(box.text(), "3");
}

TEST_F(FormsTest, UnloadCanBeCancelledAndLoadRunsAgainAfterUnload) {
    struct Sticky : Form {
        explicit Sticky(Ui& ui) : Form(ui, "frmSticky", "Sticky", 1000, 1000) {}
        void Form_Load() override { ++loads; }
        void Form_Unload(bool& cancel) override { cancel = refuse; }
        int loads = 0;
        bool refuse = true;
    } form(ui);
    form.Load();
    form.Load();
    EXPECT_EQ(form.loads, 1);
    form.Unload();
    EXPECT_TRUE(form.loaded());
    form.refuse = false;
    form.Unload();
    EXPECT_FALSE(form.loaded());
    form.Load();
    EXPECT_EQ(form.loads, 2);
}

}  // namespace
}  // namespace norvel::tests
