#pragma once
// The skin being made: its pictures and every section of its description, kept in the
// store's own record classes so that the description is written by their SaveToIni (the
// very keys, order and syntax the store reads back).
#include "skin/data/vnSkinData/ControlSkins.h"
#include "skin/data/vnSkinData/FrameObjects.h"
#include "skin/data/vnSkinData/OtherControlSkins.h"
#include "skin/data/vnSkinData/SkinFormInfo.h"
#include "skin/data/vnSkinData/SkinSections.h"

#include <QImage>
#include <QString>
#include <memory>
#include <vector>

namespace art {

struct TSkinPicture {
    QString FileName;
    QImage Image;
    bool Mask = false; // written with 1 bit per pixel
};

class TSkinBuilder {
public:
    // Version texts.
    QString SkinName;
    QString SkinAuthor;
    QString SkinComments;

    TSkinPicture MainPicture;
    TSkinPicture MainMask;
    TvnSkinFormInfo FormInfo;
    TvnDataSkinPopupWindow PopupWindow;
    TvnDataSkinHintWindow HintWindow;
    TvnSkinColors SkinColors;

    // Numbered picture `index`; indices are fixed up front, so records can name
    // pictures that are painted later.
    void SetPicture(int index, const QString& fileName, const QImage& image, bool mask = false);
    const QImage& Picture(int index) const { return m_pictures.at(index).Image; }

    // A new frame object or control record, listed under `kind`, in creation order.
    template <class T> T& AddObject(const QString& name, const char* kind)
    {
        auto record = std::make_unique<T>(name);
        T& result = *record;
        m_objects.push_back({ std::move(record), QString::fromLatin1(kind) });
        return result;
    }
    template <class T> T& AddControl(const QString& name, const char* kind)
    {
        auto record = std::make_unique<T>(name);
        T& result = *record;
        m_controls.push_back({ std::move(record), QString::fromLatin1(kind) });
        return result;
    }

    // The description text: sections in reading order, lines ending in CR LF.
    QByteArray Description() const;
    // Writes the description as `descriptionName` and every picture beside it into
    // `folder`, which is created when missing; files of earlier runs are replaced.
    // Throws std::runtime_error when a file cannot be written or a picture is missing.
    void Write(const QString& folder, const QString& descriptionName) const;

private:
    template <class Record> struct TListed {
        std::unique_ptr<Record> Item;
        QString Kind;
    };
    std::vector<TSkinPicture> m_pictures;
    std::vector<TListed<TvnDataSkinObject>> m_objects;
    std::vector<TListed<TvnDataSkinControl>> m_controls;
};

} // namespace art
