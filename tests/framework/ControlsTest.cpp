#include "framework/Exception.h"
#include "framework/Form.h"
#include "framework/stdctrls/Edit.h"
#include "framework/stdctrls/Image.h"
#include "framework/stdctrls/Label.h"
#include "framework/stdctrls/ListBox.h"
#include "platform/Fonts.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

TEST(Edit, CaseConversionAppliesToEveryTypedCharacter)
{
    TForm form;
    TEdit login(&form), password(&form);
    login.SetParent(form.ClientWidget());
    password.SetParent(form.ClientWidget());
    login.SetCharCase(ecLowerCase);
    password.SetCharCase(ecUpperCase);
    password.SetPasswordChar(QString(QChar(0xF8)));
    // Qt's test keyboard is ASCII; accented letters are typed as plain key events.
    auto typeText = [](QWidget* w, const QString& text) {
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(w, &press);
        }
    };
    typeText(login.LineEdit(), "MaRia.Ç1");
    typeText(password.LineEdit(), "senha-9ç");
    EXPECT_EQ(login.Text(), "maria.ç1");
    EXPECT_EQ(password.Text(), "SENHA-9Ç");
    EXPECT_EQ(password.DisplayText(), QString(8, QChar(0xF8)));
    EXPECT_EQ(login.DisplayText(), "maria.ç1");
}

TEST(Controls, BoundsAreInTheParentsClientCoordinates)
{
    TForm form;
    TLabel label(&form);
    label.SetParent(form.ClientWidget());
    label.SetAutoSize(false);
    label.SetBounds(233, 143, 59, 30);
    EXPECT_EQ(label.geometry(), QRect(233, 143, 59, 30));
    EXPECT_EQ(label.Left(), 233);
    label.SetVisible(false);
    EXPECT_FALSE(label.Visible());
}

TEST(Controls, FontHeightsFollowTheClassicRule)
{
    TLabel label;
    label.Font()->SetName("Comic Sans MS");
    label.Font()->SetHeight(-21);
    label.Font()->SetStyle(fsBold);
    EXPECT_EQ(label.font().pixelSize(), 21);
    EXPECT_TRUE(label.font().bold());
    EXPECT_EQ(label.Font()->Size(), 16);
    label.Font()->SetSize(8);
    EXPECT_EQ(label.Font()->Height(), -11);
    // A positive height is the cell height: the em is smaller.
    label.Font()->SetHeight(16);
    EXPECT_LT(label.font().pixelSize(), 16);
    EXPECT_NEAR(fonts::CellHeight("Comic Sans MS", label.font().pixelSize()), 16, 1);
}

TEST(Controls, AutoSizedLabelFitsItsText)
{
    TLabel label;
    label.SetCaption("Quantidade de Foto.:");
    const int wide = label.Width();
    label.SetCaption("0");
    EXPECT_LT(label.Width(), wide);
    EXPECT_GT(label.Height(), 0);
}

TEST(Controls, PictureBoxReadsJpegAndReportsAMissingPicture)
{
    TImage image;
    QImage source(40, 30, QImage::Format_RGB32);
    source.fill(QColor(20, 60, 140));
    const QString path = QDir::temp().filePath("quira-test-picture.jpg");
    ASSERT_TRUE(source.save(path, "JPG"));
    image.SetPictureName(path);
    EXPECT_EQ(image.Picture().size(), QSize(40, 30));
    EXPECT_THROW(image.SetPictureName("/nonexistent/picture.jpg"), Exception);
    QFile::remove(path);
}

TEST(Controls, ListBoxKeepsItemsInTheOrderAdded)
{
    TListBox list;
    list.AddItem("b.jpg");
    list.AddItem("a.jpg");
    list.AddItem("B.JPG");
    EXPECT_EQ(list.Items(), QStringList({ "b.jpg", "a.jpg", "B.JPG" }));
    EXPECT_EQ(list.Count(), 3);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}
