// The suite's person at the controls: an action on a control that a person could not
// take fails the test and names the control and what stops a person.
#include "main_window_fixture.h"
#include "support/user.h"

#include "framework/tab_panel.h"

#include <gtest/gtest-spi.h>

#include <functional>

using UsableControlsTest = MainWindowTest;

TEST_F(UsableControlsTest, AClickOnAControlThatAPersonCannotUseFailsNamingIt)
{
    testsupport::user::showPage(control<fw::TabPanel>("TabPanel2"), 1);
    const struct {
        const char* name;
        std::function<void(fw::RectControl*)> spoil;
        const char* failure;
    } cases[] = {
        {"birthYear", [](fw::RectControl* c) { c->setVisible(false); }, "\"birthYear\": it is not shown"},
        {"day", [](fw::RectControl* c) { c->setEnabled(false); }, "\"day\": it is disabled"},
        {"Sex", [](fw::RectControl* c) { c->setLeft(700); }, "\"Sex\": the point is outside it or outside its window"},
        // The explanation, made later, stands above the button.
        {"CalculateGua",
         [this](fw::RectControl* c) {
             control<fw::RectControl>("EditField1")->setLeft(c->Left());
             control<fw::RectControl>("EditField1")->setTop(c->Top());
         },
         "\"CalculateGua\": it is covered by the control \"EditField1\""},
    };
    for (const auto& spoilt : cases) {
        auto* target = control<fw::RectControl>(spoilt.name);
        spoilt.spoil(target);
        EXPECT_NONFATAL_FAILURE(testsupport::user::click(target), spoilt.failure);
    }
}
