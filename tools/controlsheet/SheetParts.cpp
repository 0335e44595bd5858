#include "SheetParts.h"

#include "framework/Form.h"
#include "skin/controls/vnSkinCtrls/StdLabel.h"

#include <QDir>
#include <cstdio>

void PrepareSheetForm(TForm& form, const char* caption, int width, int height, TvnSkinData* skin)
{
    form.SetCaption(caption);
    form.SetBounds(50, 50, width, height);
    form.SetClientWidth(width);
    form.SetClientHeight(height);
    form.SetColor(skin ? skin->SkinColors.cBtnFace : clr::clBtnFace);
}

void SheetLabel(QWidget* parent, TvnSkinData* skin, int x, int y, const QString& caption)
{
    auto* label = new TvnSkinStdLabel;
    label->SetParent(parent);
    label->SetCaption(caption);
    label->SetLeft(x);
    label->SetTop(y);
    if (skin) label->SetSkinData(skin);
}

bool SaveSheetPicture(QWidget* client, const QString& folder, const QString& name)
{
    const QString path = QDir(folder).filePath(name);
    const bool saved = client->grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}
