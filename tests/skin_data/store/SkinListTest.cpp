#include "SkinFixture.h"
#include "framework/declared/DeclaredLoader.h"
#include "skin/data/vnSkinData/SkinData.h"
#include "skin/data/vnSkinData/SkinDataClasses.h"

#include <QRegularExpression>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace skintest;

namespace {

std::unique_ptr<TvnCompressedStoredSkin> NamedSkin(const char* name)
{
    return StoredSkinOf(
        ContainerBytes(3, { QImage(), QImage(), QImage() }, {}, QByteArray("[VERSION]\r\nskinname=") + name));
}

void AddItem(TvnCompressedSkinList& list, const char* name)
{
    auto* item = static_cast<TvnSkinListItem*>(list.Skins()->Add());
    item->SetSkin(NamedSkin(name)->CompressedStreamBytes());
}

} // namespace

// A module the declared data of these tests load into.
class TTestSkinModule : public TComponent {
    Q_OBJECT
public:
    explicit TTestSkinModule(QObject* owner = nullptr)
        : TComponent(owner)
    {
        RegisterSkinDataClasses();
    }
};

#include "SkinListTest.moc"

TEST(SkinList, ItemsAreNamedByIndexAndCarryTheStreamFormat)
{
    TvnCompressedSkinList list;
    AddItem(list, "Zero");
    AddItem(list, "One");
    auto* second = list.Skins()->At(1);
    EXPECT_EQ(list.Skins()->At(0)->Name(), "vnSkin0");
    EXPECT_EQ(second->Name(), "vnSkin1");
    const QByteArray stream = second->Skin();
    EXPECT_EQ(qFromLittleEndian<qint32>(stream.constData()), 3);
    EXPECT_EQ(
        qFromLittleEndian<qint32>(stream.constData() + 4), second->StoredSkin()->CompressedStream().size());

    TvnCompressedSkinList copy;
    copy.SetSkins(list.Skins());
    ASSERT_EQ(copy.Skins()->Count(), 2);
    EXPECT_NE(copy.Skins(), list.Skins());
    EXPECT_EQ(copy.Skins()->At(1)->Skin(), stream);
}

TEST(SkinList, StoreLoadsTheItemAtSkinIndex)
{
    TvnCompressedSkinList list;
    AddItem(list, "Zero");
    AddItem(list, "One");
    TvnSkinData store;
    store.SetSkinIndex(1); // no list yet: only stored
    EXPECT_TRUE(store.Empty());
    store.SetSkinList(&list);
    EXPECT_EQ(store.SkinName, "One");
    store.SetSkinIndex(5); // outside the list: ignored
    EXPECT_EQ(store.SkinIndex(), 1);
    store.SetSkinIndex(0);
    EXPECT_EQ(store.SkinName, "Zero");
    store.SetSkinIndex(-1);
    EXPECT_EQ(store.SkinIndex(), 0);
    EXPECT_EQ(store.SkinName, "Zero");
}

TEST(SkinList, RemovedListLeavesTheLoadedSkin)
{
    TvnSkinData store;
    {
        TvnCompressedSkinList list;
        AddItem(list, "Gone");
        store.SetSkinList(&list);
    }
    EXPECT_EQ(store.SkinList(), nullptr);
    EXPECT_EQ(store.SkinName, "Gone");
    store.SetSkinIndex(3); // without a list the index is only stored
    EXPECT_EQ(store.SkinIndex(), 3);
}

TEST(SkinDeclaredData, ModuleLoadsItsStoredSkinWhileBeingRead)
{
    auto skin = NamedSkin("Declared");
    const QString hex = QString::fromLatin1(skin->CompressedStream().toHex().toUpper());
    TTestSkinModule module;
    // The store is declared before the stored skin, as in the data module: its
    // reference is resolved once the stored skin exists.
    declared::LoadRootFromText(&module,
        QStringLiteral("object DMSkin: TTestSkinModule\n"
                       "  object vnSkinData1: TvnSkinData\n"
                       "    SkinnableForm = True\n"
                       "    EnableSkinEffects = True\n"
                       "    ShowButtonGlowFrames = True\n"
                       "    ShowCaptionButtonGlowFrames = True\n"
                       "    CompressedStoredSkin = vnCompressed\n"
                       "    SkinIndex = 0\n"
                       "  end\n"
                       "  object vnCompressed: TvnCompressedStoredSkin\n"
                       "    CompressedFileName = 'Marbleton.skn'\n"
                       "    CompressedData = {%1}\n"
                       "  end\n"
                       "  object vnList: TvnCompressedSkinList\n"
                       "    Skins = <\n"
                       "      item\n"
                       "        Name = 'first'\n"
                       "        Skin = {%2}\n"
                       "      end>\n"
                       "  end\n"
                       "end")
            .arg(hex, QString::fromLatin1(skin->CompressedStreamBytes().toHex())),
        "skinmodule.dfm");
    auto* store = qobject_cast<TvnSkinData*>(module.FindComponent("vnSkinData1"));
    auto* stored = qobject_cast<TvnCompressedStoredSkin*>(module.FindComponent("vnCompressed"));
    auto* list = qobject_cast<TvnCompressedSkinList*>(module.FindComponent("vnList"));
    ASSERT_NE(store, nullptr);
    ASSERT_NE(stored, nullptr);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(store->CompressedStoredSkin(), stored);
    EXPECT_EQ(stored->CompressedFileName(), "Marbleton.skn");
    EXPECT_EQ(stored->CompressedStream(), skin->CompressedStream());
    EXPECT_FALSE(store->Empty());
    EXPECT_EQ(store->SkinName, "Declared");
    ASSERT_EQ(list->Skins()->Count(), 1);
    EXPECT_EQ(list->Skins()->At(0)->Name(), "first");
    EXPECT_EQ(list->Skins()->At(0)->StoredSkin()->CompressedStream(), skin->CompressedStream());
}

TEST(SkinDeclaredData, EmptyStoredSkinLeavesTheStoreEmpty)
{
    TTestSkinModule module;
    declared::LoadRootFromText(&module,
        "object DMEmpty: TTestSkinModule\n"
        "  object vnSkinData1: TvnSkinData\n"
        "    CompressedStoredSkin = vnCompressed\n"
        "  end\n"
        "  object vnCompressed: TvnCompressedStoredSkin\n"
        "    CompressedData = {}\n"
        "  end\n"
        "end",
        "emptyskin.dfm");
    auto* store = qobject_cast<TvnSkinData*>(module.FindComponent("vnSkinData1"));
    ASSERT_NE(store, nullptr);
    EXPECT_TRUE(store->Empty());
    EXPECT_FALSE(store->SkinChanging());
}

TEST(ResourceStrings, DefaultsInOrderAndLookUp)
{
    TvnResourceStrData strings;
    const QStringList lines = strings.ResStrings();
    ASSERT_EQ(lines.size(), 131);
    EXPECT_EQ(lines.first(), "MI_MINCAPTION=Mi&nimize");
    EXPECT_EQ(lines.last(), "DBNAV_REFRESH=Refresh data");
    EXPECT_EQ(lines.filter(QRegularExpression("^PRNDLG_")).size(), 30);
    QStringList names;
    for (const QString& line : lines)
        names.append(line.section(u'=', 0, 0));
    EXPECT_EQ(names.removeDuplicates(), 0);
    EXPECT_EQ(names.indexOf("FLV_FREESPACE") + 31, names.indexOf("FIND_NEXT"));
    EXPECT_EQ(strings.GetResStr("RESTORE_HINT"), "Restore");
    EXPECT_EQ(strings.GetResStr("restore_hint"), "Restore");
    EXPECT_EQ(strings.GetResStr("NODISKINDRIVE"), "There is no disk in Drive or Drive is not ready");
    EXPECT_EQ(strings.GetResStr("NOSUCHNAME"), "");
    EXPECT_EQ(strings.CharSet(), 1);

    strings.SetResStrings({ "A=x=y", "B" });
    EXPECT_EQ(strings.GetResStr("A"), "x=y");
    EXPECT_EQ(strings.GetResStr("B"), "");
}
