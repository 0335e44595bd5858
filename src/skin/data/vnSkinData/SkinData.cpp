#include "SkinData.h"

#include "AnsiText.h"
#include "ByteReader.h"
#include "SkinBitmaps.h"
#include "SkinContainer.h"
#include "framework/StoreChanged.h"

namespace {

// clang-format off
TvnKeyTable<TvnSkinData> VersionKeys()
{
    using C = TvnSkinData;
    static const TvnSkinKey<C> keys[] = {
        Key("skinname", &C::SkinName),
        Key("skinauthor", &C::SkinAuthor),
        Key("authoremail", &C::AuthorEmail),
        Key("authorurl", &C::AuthorURL),
        Key("skincomments", &C::SkinComments),
    };
    return keys;
}

TvnKeyTable<TvnSkinData> PictureKeys()
{
    using C = TvnSkinData;
    static const TvnSkinKey<C> keys[] = {
        Key("picture", &C::PictureName),
        Key("inactivepicture", &C::InactivePictureName),
        Key("mask", &C::MaskPictureName),
    };
    return keys;
}
// clang-format on

const QString kPictures = QStringLiteral("PICTURES");

// Reads the records listed in `section` as "name:kind" under the keys "0" to
// "count" - 1. An entry whose kind has no record class (or that has no colon at all)
// is skipped; the others still load.
template <class Root>
void ReadRecords(const TMemIniFile& ini, const QString& section,
    std::unique_ptr<Root> (*create)(const QString& kind, const QString& idName),
    std::vector<std::unique_ptr<Root>>& records)
{
    const int count = ReadNumberedCount(ini, section, QStringLiteral("count"));
    for (int i = 0; i < count; ++i) {
        const QString entry = ini.ReadString(section, QString::number(i), QString());
        const qsizetype colon = entry.indexOf(u':');
        if (colon < 0) continue;
        std::unique_ptr<Root> record = create(entry.mid(colon + 1), entry.left(colon));
        if (!record) continue;
        record->LoadFromIni(ini);
        records.push_back(std::move(record));
    }
}

template <class Record>
int FindRecord(const std::vector<std::unique_ptr<Record>>& records, const QString& name)
{
    for (std::size_t i = 0; i < records.size(); ++i)
        if (records[i]->IDName == name) return static_cast<int>(i);
    return -1;
}

template <class Record> Record* RecordAt(const std::vector<std::unique_ptr<Record>>& records, int index)
{
    return index >= 0 && index < static_cast<int>(records.size()) ? records[index].get() : nullptr;
}

} // namespace

TvnSkinData::TvnSkinData(QObject* owner)
    : TComponent(owner)
{
}

TvnSkinData::~TvnSkinData() { m_empty = true; }

// --- Properties -------------------------------------------------------------------------

void TvnSkinData::SetSkinnableForm(bool value)
{
    if (StoreChanged(m_skinnableForm, value) && !IsLoading())
        BroadcastSkinMessage(msg::SKINMSG_SKINNABLE_CHANGE);
}

void TvnSkinData::SetCompressedStoredSkin(TvnCompressedStoredSkin* value)
{
    m_compressedStoredSkin = value;
    if (!value) return;
    FreeNotification(value);
    if (!IsLoading()) LoadCompressedSkin(value);
}

void TvnSkinData::SetResourceStrData(TvnResourceStrData* value)
{
    m_resourceStrData = value;
    if (value) FreeNotification(value);
    BroadcastSkinMessage(msg::SKINMSG_STRINGS_CHANGE);
}

void TvnSkinData::SetSkinList(TvnCompressedSkinList* value)
{
    m_skinList = value;
    if (!value) return;
    FreeNotification(value);
    if (!IsLoading()) LoadSkinListItem();
}

void TvnSkinData::SetSkinIndex(int value)
{
    if (value == m_skinIndex) return;
    // While declared data are read the list may not have its items yet; Loaded checks.
    if (!m_skinList || IsLoading()) {
        m_skinIndex = value;
        return;
    }
    if (value < 0 || value >= m_skinList->Skins()->Count()) return;
    m_skinIndex = value;
    LoadSkinListItem();
}

void TvnSkinData::LoadSkinListItem()
{
    if (TvnSkinListItem* item = m_skinList->Skins()->At(m_skinIndex)) LoadCompressedSkin(item->StoredSkin());
}

void TvnSkinData::Loaded()
{
    TComponent::Loaded();
    // Declared data set a reference before the component it names has read its own
    // properties (the stored skin its bytes, the list its items); the skin is loaded
    // once the whole module is read.
    if (m_compressedStoredSkin) LoadCompressedSkin(m_compressedStoredSkin);
    if (m_skinList) LoadSkinListItem();
}

void TvnSkinData::Notification(QObject* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    // Only the reference goes; the skin already loaded stays.
    if (component == static_cast<QObject*>(m_compressedStoredSkin)) m_compressedStoredSkin = nullptr;
    if (component == static_cast<QObject*>(m_resourceStrData)) m_resourceStrData = nullptr;
    if (component == static_cast<QObject*>(m_skinList)) m_skinList = nullptr;
}

// --- Loading ------------------------------------------------------------------------------

void TvnSkinData::LoadCompressedSkin(TvnCompressedStoredSkin* stored)
{
    if (!stored || stored->IsEmptySkin()) return;
    m_empty = true;
    m_skinChanging = true;
    BroadcastSkinMessage(msg::SKINMSG_BEFORE_CHANGE);
    ClearSkin();
    // The unpacked container (about 1.3 MB) lives only while it is read.
    // A container of a later version is refused, but the change still ends: left
    // half-way, every frame would stop painting its border for good.
    m_empty = !ReadContainer(stored->Decompress());
    BroadcastSkinMessage(msg::SKINMSG_CHANGE);
    m_skinChanging = false;
    BroadcastSkinMessage(msg::SKINMSG_AFTER_CHANGE);
}

bool TvnSkinData::ReadContainer(const QByteArray& container)
{
    TvnByteReader reader(container);
    const qint32 version = reader.ReadInt32();
    if (version > kNewestSkinVersion) return false;
    MainPicture = ReadPictureRecord(reader);
    InactiveMainPicture = ReadPictureRecord(reader);
    MainMask = ReadPictureRecord(reader);
    if (version == 2) {
        ReadPictureRecord(reader);
        ReadPictureRecord(reader);
    }
    const qint32 count = reader.ReadInt32();
    for (qint32 i = 0; i < count; ++i)
        Pictures.append(ReadBitmap(reader));
    TMemIniFile ini;
    ini.SetText(AnsiToString(reader.ReadRest()));
    ReadDescription(ini);
    return true;
}

void TvnSkinData::ReadDescription(const TMemIniFile& ini)
{
    LoadKeys(*this, ini, QStringLiteral("VERSION"), VersionKeys());
    LoadKeys(*this, ini, kPictures, PictureKeys());
    PictureNames = ReadSkinList(ini, kPictures, QStringLiteral("activepictures"));
    LoadFormInfo(ini, !MaskPictureName.isEmpty());
    PopupWindow.LoadFromIni(ini);
    HintWindow.LoadFromIni(ini);
    SkinColors.LoadFromIni(ini);
    ReadRecords<TvnDataSkinObject>(ini, QStringLiteral("SKINOBJECTS"), &CreateFrameObject, m_frameObjects);
    ReadRecords<TvnDataSkinControl>(ini, QStringLiteral("SKINCONTROLS"), &CreateControlSkin, m_controlSkins);
    ++m_loadCount;
}

void TvnSkinData::ClearSkin()
{
    static_cast<TvnSkinFormInfo&>(*this) = TvnSkinFormInfo();
    SkinName.clear();
    SkinAuthor.clear();
    AuthorEmail.clear();
    AuthorURL.clear();
    SkinComments.clear();
    m_frameObjects.clear();
    m_controlSkins.clear();
    ++m_loadCount;
    Pictures.clear();
    PictureNames.clear();
    PopupWindow.WindowPictureIndex = PopupWindow.MaskPictureIndex = -1;
    HintWindow.WindowPictureIndex = HintWindow.MaskPictureIndex = -1;
    SkinColors.Reset();
    MainPicture = InactiveMainPicture = MainMask = QImage();
    PictureName.clear();
    InactivePictureName.clear();
    MaskPictureName.clear();
    m_empty = true;
}

// --- Records ------------------------------------------------------------------------------

int TvnSkinData::FindFrameObject(const QString& name) const { return FindRecord(m_frameObjects, name); }
int TvnSkinData::FindControlSkin(const QString& name) const { return FindRecord(m_controlSkins, name); }
TvnDataSkinObject* TvnSkinData::FrameObject(int index) const { return RecordAt(m_frameObjects, index); }
TvnDataSkinControl* TvnSkinData::ControlSkin(int index) const { return RecordAt(m_controlSkins, index); }
