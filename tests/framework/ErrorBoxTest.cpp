#include "framework/Application.h"
#include "framework/Exception.h"
#include "framework/MessageBox.h"
#include "support/SeenBox.h"
#include "support/TestEnv.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

TEST(ErrorBox, PeriodIsAddedOnlyAfterCharactersThatSortAfterIt)
{
    EXPECT_EQ(TApplication::ErrorBoxText("Falha"), "Falha.");
    EXPECT_EQ(TApplication::ErrorBoxText("Falha!"), "Falha!");
    EXPECT_EQ(TApplication::ErrorBoxText("Falha."), "Falha.");
    EXPECT_EQ(
        TApplication::ErrorBoxText("Lost connection to server (2013)"), "Lost connection to server (2013)");
    EXPECT_EQ(TApplication::ErrorBoxText("código 7"), "código 7.");
    EXPECT_EQ(TApplication::ErrorBoxText(""), "");
}

namespace {
using testenv::SeenBox;

// Reads the next message box and presses its first button.
void AnswerNextBox(SeenBox& seen)
{
    testenv::onNextModal([&seen](QWidget* w) { ASSERT_TRUE(testenv::AnswerBox(seen, w)); });
}
} // namespace

TEST(ErrorBox, AnErrorEscapingAHandlerIsShownAndTheProgramGoesOn)
{
    Application()->SetTitle("Estúdio");
    SeenBox seen;
    AnswerNextBox(seen);
    QObject target;
    bool afterwards = false;
    QTimer::singleShot(0, &target, [] { throw Exception("Falha"); });
    QTimer::singleShot(50, &target, [&] { afterwards = true; });
    ASSERT_TRUE(testenv::waitFor([&] { return afterwards; }));
    EXPECT_EQ(seen.text, "Falha.");
    EXPECT_EQ(seen.caption, "Estúdio");
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.buttons, "OK");
    Application()->Reset();
}

TEST(MessageBoxes, FixedTextsCaptionsAndButtons)
{
    SeenBox seen;
    AnswerNextBox(seen);
    EXPECT_EQ(MessageDlg("Selecione uma das opções para salvar as fotos", TMsgDlgType::mtInformation, mbYes),
        mrYes);
    EXPECT_EQ(seen.caption, "Information");
    EXPECT_EQ(seen.buttons, "&Yes");
    EXPECT_EQ(seen.icon, QMessageBox::Information);

    AnswerNextBox(seen);
    EXPECT_EQ(MessageDlg("Senha ou Login Inválido, verifique", TMsgDlgType::mtError, mbOK), mrOk);
    EXPECT_EQ(seen.text, "Senha ou Login Inválido, verifique");
    EXPECT_EQ(seen.caption, "Error");
    EXPECT_EQ(seen.buttons, "OK");
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
}

TEST(ApplicationTitle, IsTheProgramFileNameUntilSet)
{
    Application()->Reset();
    EXPECT_EQ(Application()->Title(), "test_framework");
}
