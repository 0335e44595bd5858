#include "framework/Form.h"
#include "framework/stdctrls/Edit.h"

#include <QLineEdit>
#include <gtest/gtest.h>

// Text that comes from anywhere but the keyboard (the program, a screen reader or voice
// control setting the edit's text through its accessible interface) takes the edit's
// case as typed text does: the login compares what the keyboard would have sent.
TEST(Edit, TextSetFromOutsideTakesTheEditsCase)
{
    TForm form;
    TEdit password(&form), plain(&form);
    password.SetParent(form.ClientWidget());
    plain.SetParent(form.ClientWidget());
    password.SetCharCase(ecUpperCase);
    int changes = 0;
    password.OnChange = [&](QObject*) { ++changes; };

    password.LineEdit()->setText(QString::fromUtf8("sol-çã1"));
    EXPECT_EQ(password.Text(), QString::fromUtf8("SOL-ÇÃ1"));
    // One change reaches the handler, with the converted text.
    EXPECT_EQ(changes, 1);
    password.SetText("abc");
    EXPECT_EQ(password.Text(), "ABC");

    plain.LineEdit()->setText("MiXed");
    EXPECT_EQ(plain.Text(), "MiXed");
}
