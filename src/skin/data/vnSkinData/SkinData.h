#pragma once
// The skin store: one loaded skin in memory, read by every skinned frame and control.
//
// It owns the pictures, the frame description ([FORMINFO], whose fields it carries
// itself), the popup and hint window descriptions, the skin colours and the two record
// lists. Setting CompressedStoredSkin (or SkinList/SkinIndex) loads a skin at once and
// tells every form before and after the change, synchronously:
//   SKINMSG_BEFORE_CHANGE  after Empty and SkinChanging are set, before the old skin
//                          is cleared (users drop their record indices)
//   SKINMSG_CHANGE         after the new skin is read and Empty cleared
//   SKINMSG_AFTER_CHANGE   after SkinChanging is cleared
// each with WParam = the store and LParam = 1000, to the owner form first and then to
// every form of the screen in creation order. Users treat an Empty store like no store
// and keep only indices into the record lists, looked up again after every change.
#include "CompressedSkinList.h"
#include "CompressedStoredSkin.h"
#include "ControlSkins.h"
#include "FrameObjects.h"
#include "ResourceStrData.h"
#include "SkinFormInfo.h"
#include "SkinSections.h"
#include "framework/Component.h"
#include "platform/Messages.h"

#include <QImage>
#include <QList>
#include <memory>
#include <vector>

class TvnSkinData : public TComponent, public TvnSkinFormInfo {
    Q_OBJECT
    Q_PROPERTY(bool SkinnableForm READ SkinnableForm WRITE SetSkinnableForm)
    Q_PROPERTY(bool EnableSkinEffects READ EnableSkinEffects WRITE SetEnableSkinEffects)
    Q_PROPERTY(bool ShowButtonGlowFrames READ ShowButtonGlowFrames WRITE SetShowButtonGlowFrames)
    Q_PROPERTY(bool ShowCaptionButtonGlowFrames READ ShowCaptionButtonGlowFrames WRITE
            SetShowCaptionButtonGlowFrames)
    Q_PROPERTY(
        TvnCompressedStoredSkin* CompressedStoredSkin READ CompressedStoredSkin WRITE SetCompressedStoredSkin)
    Q_PROPERTY(TvnResourceStrData* ResourceStrData READ ResourceStrData WRITE SetResourceStrData)
    Q_PROPERTY(TvnCompressedSkinList* SkinList READ SkinList WRITE SetSkinList)
    Q_PROPERTY(int SkinIndex READ SkinIndex WRITE SetSkinIndex)
public:
    // The LParam of every skin notification.
    static constexpr LPARAM kNotifyTag = 1000;

    explicit TvnSkinData(QObject* owner = nullptr);
    ~TvnSkinData() override;

    // --- Published properties --------------------------------------------------------
    // Whether form frames draw skinned frames; a change is broadcast
    // (SKINMSG_SKINNABLE_CHANGE) unless the store is being loaded.
    bool SkinnableForm() const { return m_skinnableForm; }
    void SetSkinnableForm(bool value);
    // Gate for morphing and glow/caption effects; read only while a skin is loaded.
    bool EnableSkinEffects() const { return m_enableSkinEffects; }
    void SetEnableSkinEffects(bool value) { m_enableSkinEffects = value; }
    bool ShowButtonGlowFrames() const { return m_showButtonGlowFrames; }
    void SetShowButtonGlowFrames(bool value) { m_showButtonGlowFrames = value; }
    bool ShowCaptionButtonGlowFrames() const { return m_showCaptionButtonGlowFrames; }
    void SetShowCaptionButtonGlowFrames(bool value) { m_showCaptionButtonGlowFrames = value; }

    // Setting a stored skin loads it at once; while declared data are read, once they
    // are all read (Loaded), so that the stored skin has its bytes by then.
    TvnCompressedStoredSkin* CompressedStoredSkin() const { return m_compressedStoredSkin; }
    void SetCompressedStoredSkin(TvnCompressedStoredSkin* value);
    // Setting the strings is broadcast (SKINMSG_STRINGS_CHANGE).
    TvnResourceStrData* ResourceStrData() const { return m_resourceStrData; }
    void SetResourceStrData(TvnResourceStrData* value);
    // With a list, SkinIndex selects the item to load; an index outside the list is
    // ignored.
    TvnCompressedSkinList* SkinList() const { return m_skinList; }
    void SetSkinList(TvnCompressedSkinList* value);
    int SkinIndex() const { return m_skinIndex; }
    void SetSkinIndex(int value);

    // --- Loading -----------------------------------------------------------------------
    // Nothing at all happens for an empty stored skin. A damaged block ("compression
    // error"), bitmap ("Bitmap image is not valid") or point or rectangle ("'...' is not
    // a valid integer value") ends the load with that error; the store then stays Empty
    // and SkinChanging. A container of a later version is not read: the store ends the
    // change Empty, so every form falls back on its default look.
    void LoadCompressedSkin(TvnCompressedStoredSkin* stored);
    // Frees every record and picture, empties the names and texts, resets the frame
    // description, the colours and the popup and hint picture indices; sets Empty.
    void ClearSkin();
    void BroadcastSkinMessage(UINT msg);

    bool Empty() const { return m_empty; }
    bool SkinChanging() const { return m_skinChanging; }
    // Grows by one every time the record lists change (cleared or read), so a user that
    // noted it beside a record index knows whether the index still holds.
    quint64 LoadCount() const { return m_loadCount; }

    // --- Records -----------------------------------------------------------------------
    // Index of the first record whose IDName equals `name` exactly, or -1.
    int FindFrameObject(const QString& name) const;
    int FindControlSkin(const QString& name) const;
    const std::vector<std::unique_ptr<TvnDataSkinObject>>& FrameObjects() const { return m_frameObjects; }
    const std::vector<std::unique_ptr<TvnDataSkinControl>>& ControlSkins() const { return m_controlSkins; }
    // nullptr for an index outside the list.
    TvnDataSkinObject* FrameObject(int index) const;
    TvnDataSkinControl* ControlSkin(int index) const;
    // The record at `index` when it is a T (or derived from T), else nullptr: how a
    // control accepts only the record class it can draw.
    template <class T> T* ControlSkinAs(int index) const { return dynamic_cast<T*>(ControlSkin(index)); }

    // A numbered picture, or a null image for an index outside the list (-1: none).
    QImage Picture(int index) const { return Pictures.value(index); }

    // --- Loaded data (read by the users; emptied by ClearSkin) ---------------------------
    QString SkinName;
    QString SkinAuthor;
    QString AuthorEmail;
    QString AuthorURL;
    QString SkinComments;

    // File names from [PICTURES], and the pictures themselves.
    QString PictureName;
    QString InactivePictureName;
    QString MaskPictureName;
    QImage MainPicture;
    QImage InactiveMainPicture;
    QImage MainMask;
    QList<QImage> Pictures;
    QStringList PictureNames;

    TvnDataSkinPopupWindow PopupWindow;
    TvnDataSkinHintWindow HintWindow;
    TvnSkinColors SkinColors;

    void Loaded() override;

protected:
    void Notification(QObject* component, TOperation operation) override;

private:
    // False when the container's version is too new to read.
    bool ReadContainer(const QByteArray& container);
    void ReadDescription(const TMemIniFile& ini);
    void LoadSkinListItem();

    bool m_skinnableForm = true;
    bool m_enableSkinEffects = true;
    bool m_showButtonGlowFrames = true;
    bool m_showCaptionButtonGlowFrames = true;
    TvnCompressedStoredSkin* m_compressedStoredSkin = nullptr;
    TvnResourceStrData* m_resourceStrData = nullptr;
    TvnCompressedSkinList* m_skinList = nullptr;
    int m_skinIndex = 0;

    bool m_empty = true;
    bool m_skinChanging = false;
    quint64 m_loadCount = 0;
    std::vector<std::unique_ptr<TvnDataSkinObject>> m_frameObjects;
    std::vector<std::unique_ptr<TvnDataSkinControl>> m_controlSkins;
};
