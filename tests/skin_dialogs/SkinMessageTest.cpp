// The skinned message box in the program's skin: what it shows, how each way of leaving
// it answers, and the store's words for its texts.
#include "skin/controls/vnSkinDialogs/SkinMessage.h"

#include "skin/controls/vnSkinCtrls/Button.h"
#include "skin/controls/vnSkinCtrls/StdLabel.h"
#include "skin/data/vnSkinData/ResourceStrData.h"
#include "skin/form/Veneerform/Veneerform.h"
#include "studio_skin/StudioSkinFixture.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QTest>
#include <functional>

namespace {

TvnSkinData* Skin() { return studiotest::ProgramDataModule().vnSkinData1; }

// Shows a box and lets `user` act on it; returns the answer.
TModalResult Ask(TvnSkinMessage& message, const QString& text, TMsgDlgType type, TMsgDlgButtons buttons,
    const std::function<void(TvnSkinMessageForm*)>& user, TMsgDlgBtn defaultButton = {})
{
    testenv::onNextModal([&](QWidget* w) {
        auto* form = qobject_cast<TvnSkinMessageForm*>(w);
        ASSERT_TRUE(form) << "the skinned box, not the standard one";
        EXPECT_EQ(message.Form(), form);
        user(form);
    });
    return message.MessageDlg(text, type, buttons, defaultButton);
}

void Key(TvnSkinMessageForm* form, Qt::Key key)
{
    QWidget* focused = QApplication::focusWidget();
    QTest::keyClick(focused ? focused : form, key);
}

QStringList Captions(const TvnSkinMessageForm* form)
{
    QStringList captions;
    for (const TvnSkinButton* b : form->Buttons())
        captions << b->Caption();
    return captions;
}

} // namespace

TEST(SkinMessage, ShowsTheQuestionInTheSkinAndEnterAndEscAnswerAsTheButtonsDo)
{
    TvnSkinMessage message;
    message.SetSkinData(Skin());
    QString caption, text;
    QStringList buttons;
    bool skinned = false, inside = true;
    const TModalResult ok = Ask(message, "Delete record?", TMsgDlgType::mtConfirmation, mbOK | mbCancel,
        [&](TvnSkinMessageForm* form) {
            caption = form->Caption();
            text = form->Text()->Caption();
            buttons = Captions(form);
            skinned = form->Frame()->SkinPresent();
            for (const TvnSkinButton* b : form->Buttons())
                inside = inside && form->ClientWidget()->rect().contains(b->geometry());
            testenv::KeepPicture(form, "skin-message");
            Key(form, Qt::Key_Return);
        });
    EXPECT_EQ(ok, mrOk) << "Enter presses the first answer";
    EXPECT_EQ(caption, "Confirm");
    EXPECT_EQ(text, "Delete record?");
    EXPECT_EQ(buttons, QStringList({ "OK", "Cancel" }));
    EXPECT_TRUE(skinned);
    EXPECT_TRUE(inside) << "every button inside the window";
    EXPECT_EQ(message.Form(), nullptr) << "the window is freed";

    EXPECT_EQ(Ask(message, "Delete record?", TMsgDlgType::mtConfirmation, mbOK | mbCancel,
                  [](TvnSkinMessageForm* form) { Key(form, Qt::Key_Escape); }),
        mrCancel);
    EXPECT_EQ(Ask(message, "Sair?", TMsgDlgType::mtConfirmation, mbYes | mbNo,
                  [](TvnSkinMessageForm* form) { form->Close(); }),
        mrNo)
        << "closing a yes-or-no box says no";
    EXPECT_EQ(Ask(
                  message, "Sair?", TMsgDlgType::mtConfirmation, mbYes | mbNo,
                  [](TvnSkinMessageForm* form) { Key(form, Qt::Key_Return); }, mbNo),
        mrNo)
        << "Enter presses the default button given";
}

TEST(SkinMessage, TheStoresStringsWordItAndALongTextWrapsInsideTheWindow)
{
    TvnResourceStrData strings;
    strings.SetResStrings({ "MSG_CAP_WARNING=Atenção", "MSG_BTN_OK=Certo" });
    Skin()->SetResourceStrData(&strings);
    TvnSkinMessage message;
    message.SetSkinData(Skin());
    const QString longText
        = QString("Nem todas as fotos escolhidas estão nas pastas de edição. ").repeated(4);
    QString caption;
    QStringList buttons;
    QRect textBounds;
    int clientWidth = 0;
    Ask(message, longText, TMsgDlgType::mtWarning, mbOK, [&](TvnSkinMessageForm* form) {
        caption = form->Caption();
        buttons = Captions(form);
        textBounds = form->Text()->geometry();
        clientWidth = form->ClientWidget()->width();
        Key(form, Qt::Key_Escape);
    });
    Skin()->SetResourceStrData(nullptr);
    EXPECT_EQ(caption, "Atenção");
    EXPECT_EQ(buttons, QStringList({ "Certo" }));
    EXPECT_LE(textBounds.right(), clientWidth);
    EXPECT_GT(textBounds.height(), 2 * QFontMetrics(QFont("Arial")).height()) << "wrapped onto several lines";
}
