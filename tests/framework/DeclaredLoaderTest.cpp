#include "framework/declared/DeclaredLoader.h"

#include "framework/ClassRegistry.h"
#include "framework/Collection.h"
#include "framework/Component.h"
#include "framework/Events.h"
#include "framework/Exception.h"

#include <QPointer>
#include <gtest/gtest.h>

// Small classes of the tests' own, exercising every kind of value declared data has.
class TTestItem : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Name MEMBER Name)
    Q_PROPERTY(int Size MEMBER Size)
public:
    explicit TTestItem(QObject* parent)
        : QObject(parent)
    {
    }
    QString Name;
    int Size = 0;
};

class TTestPart : public TComponent {
    Q_OBJECT
    Q_PROPERTY(QString Text MEMBER Text)
    Q_PROPERTY(int Number MEMBER Number)
    Q_PROPERTY(uint Colour MEMBER Colour)
    Q_PROPERTY(bool Flag MEMBER Flag)
    Q_PROPERTY(fw::TAlignment Alignment MEMBER Alignment)
    Q_PROPERTY(fw::TBorderIcons Icons MEMBER Icons)
    Q_PROPERTY(QStringList Lines MEMBER Lines)
    Q_PROPERTY(QByteArray Data MEMBER Data)
    Q_PROPERTY(TTestPart* Peer READ Peer WRITE SetPeer)
    Q_PROPERTY(QObject* Items READ ItemsObject)
    Q_PROPERTY(TNotifyEvent OnClick MEMBER OnClick)
public:
    TNotifyEvent OnClick;
    explicit TTestPart(QObject* owner)
        : TComponent(owner)
        , m_items(this)
    {
    }
    QString Text;
    int Number = 0;
    uint Colour = 0;
    bool Flag = false;
    TAlignment Alignment = taLeftJustify;
    TBorderIcons Icons;
    QStringList Lines;
    QByteArray Data;
    TTestPart* Peer() const { return m_peer; }
    void SetPeer(TTestPart* peer)
    {
        m_peer = peer;
        if (peer) FreeNotification(peer);
    }
    void Notification(QObject* c, TOperation op) override
    {
        if (op == TOperation::opRemove && c == m_peer) m_peer = nullptr;
    }
    QObject* ItemsObject() { return &m_items; }
    TOwnedCollection<TTestItem>& Items() { return m_items; }
    int loadedCalls = 0;
    void Loaded() override
    {
        ++loadedCalls;
        TComponent::Loaded();
    }

private:
    QPointer<TTestPart> m_peer;
    TOwnedCollection<TTestItem> m_items;
};

class TTestModule : public TComponent {
    Q_OBJECT
public:
    explicit TTestModule(QObject* owner = nullptr)
        : TComponent(owner)
    {
        RegisterClass<TTestPart>();
    }
    int clicks = 0;
public slots:
    void PartClick(QObject*) { ++clicks; }
};

#include "DeclaredLoaderTest.moc"

namespace {

QString errorOf(QObject* root, const QString& text, const QString& file = "test.dfm")
{
    try {
        declared::LoadRootFromText(root, text, file);
    } catch (const Exception& e) {
        return e.Message();
    }
    return {};
}

struct ErrorCase {
    const char* text;
    const char* expected;
};

// Each text, loaded as "bad.dfm", fails with a message that starts as expected.
void ExpectErrors(std::initializer_list<ErrorCase> cases)
{
    for (const ErrorCase& c : cases) {
        TTestModule module;
        const QString error = errorOf(&module, QString::fromUtf8(c.text), "bad.dfm");
        EXPECT_TRUE(error.startsWith(QString::fromUtf8(c.expected)))
            << "got: " << error.toStdString() << "\nwanted: " << c.expected;
    }
}

} // namespace

TEST(DeclaredData, SetsEveryKindOfValue)
{
    TTestModule module;
    declared::LoadRootFromText(&module, R"(
object Values: TTestModule
  object part: TTestPart
    Text = 'Separa Fotos em Alta Resolu'#231#227'o'
    Number = -11
    Colour = clBtnFace
    Flag = True
    Alignment = taCenter
    Icons = [biSystemMenu, biMinimize]
    Lines = (
      'select *'
      ''
      'from it''s')
    Data = {0A0b FF
            00}
    Peer = part
    Items = <
      item
        Name = 'a'
        Size = 1
      end
      item
        Name = 'b'
      end>
  end
end)",
        "values.dfm");
    auto* part = qobject_cast<TTestPart*>(module.FindComponent("PART"));
    ASSERT_NE(part, nullptr);
    EXPECT_EQ(module.Name(), "Values");
    EXPECT_EQ(part->Text, QString::fromUtf8("Separa Fotos em Alta Resolução"));
    EXPECT_EQ(part->Number, -11);
    EXPECT_EQ(part->Colour, 0xFF00000Fu);
    EXPECT_TRUE(part->Flag);
    EXPECT_EQ(part->Alignment, taCenter);
    EXPECT_EQ(part->Icons, TBorderIcons(biSystemMenu | biMinimize));
    EXPECT_EQ(part->Lines, QStringList({ "select *", "", "from it's" }));
    EXPECT_EQ(part->Data, QByteArray::fromHex("0a0bff00"));
    EXPECT_EQ(part->Peer(), part);
    ASSERT_EQ(part->Items().Count(), 2);
    EXPECT_EQ(part->Items().At(0)->Name, "a");
    EXPECT_EQ(part->Items().At(0)->Size, 1);
    EXPECT_EQ(part->Items().At(1)->Name, "b");
    EXPECT_EQ(part->loadedCalls, 1);
    EXPECT_FALSE(part->IsLoading());
}

TEST(DeclaredData, PropertyNamesMatchInAnyCaseButOnlyWhole)
{
    TTestModule module;
    declared::LoadRootFromText(&module, R"(
object Values: TTestModule
  object part: TTestPart
    tEXT = 'a'
    NUMBER = 7
    colour = 5
    Flag = True
    fLAG = False
  end
end)",
        "values.dfm");
    auto* part = qobject_cast<TTestPart*>(module.FindComponent("part"));
    ASSERT_NE(part, nullptr);
    EXPECT_EQ(part->Text, "a");
    EXPECT_EQ(part->Number, 7);
    EXPECT_EQ(part->Colour, 5u);
    EXPECT_FALSE(part->Flag) << "the last of the names in either case wins";
    ExpectErrors({
        { "object E: TTestModule\n  object x: TTestPart\n    Tex = 'a'\n  end\nend",
            "bad.dfm:3: unknown property Tex of TTestPart" },
        { "object E: TTestModule\n  object x: TTestPart\n    TextS = 'a'\n  end\nend",
            "bad.dfm:3: unknown property TextS of TTestPart" },
        { "object E: TTestModule\n  object x: TTestPart\n    A = 1\n  end\nend",
            "bad.dfm:3: unknown property A of TTestPart" },
        { "object E: TTestModule\n  object x: TTestPart\n    Zzzz = 1\n  end\nend",
            "bad.dfm:3: unknown property Zzzz of TTestPart" },
    });
}

TEST(DeclaredData, CrossModuleReferenceWaitsForItsModule)
{
    // The window is created before the data module, as at program start.
    TTestModule window;
    declared::LoadRootFromText(&window, R"(
object frmWindow: TTestModule
  object user: TTestPart
    Peer = DMTest.store
  end
end)",
        "window.dfm");
    auto* user = qobject_cast<TTestPart*>(window.FindComponent("user"));
    ASSERT_NE(user, nullptr);
    EXPECT_EQ(user->Peer(), nullptr);
    EXPECT_EQ(declared::PendingReferences(), QStringList { "window.dfm:4: DMTest.store" });
    EXPECT_THROW(declared::CheckPendingReferences(), Exception);

    {
        TTestModule dm;
        declared::LoadRootFromText(
            &dm, "object DMTest: TTestModule\n  object store: TTestPart\n  end\nend", "dm.dfm");
        auto* store = dm.FindComponent("store");
        EXPECT_EQ(user->Peer(), store);
        EXPECT_TRUE(declared::PendingReferences().isEmpty());
        EXPECT_NO_THROW(declared::CheckPendingReferences());
    }
    // The module is gone: the reference does not dangle.
    EXPECT_EQ(user->Peer(), nullptr);
}

TEST(DeclaredData, HandlersBindToTheRootsSlots)
{
    TTestModule module;
    declared::LoadRootFromText(&module,
        "object M: TTestModule\n  object b: TTestPart\n    OnClick = PartClick\n  end\nend", "m.dfm");
    auto* part = qobject_cast<TTestPart*>(module.FindComponent("b"));
    ASSERT_NE(part, nullptr);
    ASSERT_TRUE(part->OnClick);
    part->OnClick(part);
    part->OnClick(part);
    EXPECT_EQ(module.clicks, 2);

    TTestModule other;
    EXPECT_TRUE(errorOf(
        &other, "object M2: TTestModule\n  object b: TTestPart\n    OnClick = NoSuchHandler\n  end\nend")
                    .startsWith("test.dfm:3: handler NoSuchHandler not found in TTestModule"));
}

TEST(DeclaredData, EveryErrorNamesFileAndLine)
{
    ExpectErrors({
        { "object E: TTestModule\n  object x: TNoSuchClass\n  end\nend",
            "bad.dfm:2: unknown class TNoSuchClass" },
        { "object E: TTestModule\n  object x: TTestPart\n    Colour = 1\n    Nope = 3\n  end\nend",
            "bad.dfm:4: unknown property Nope of TTestPart" },
        { "object E: TTestModule\n  object x: TTestPart\n    Number = 'ten'\n  end\nend",
            "bad.dfm:3: bad value 'ten' for property Number" },
        { "object E: TTestModule\n  object x: TTestPart\n    Alignment = taMiddle\n  end\nend",
            "bad.dfm:3: bad value taMiddle for property Alignment" },
        { "object E: TTestModule\n  object x: TTestPart\n    Flag = 1\n  end\nend",
            "bad.dfm:3: bad value 1 for property Flag" },
        { "object E: TTestModule\n  object x: TTestPart\n    Peer = nobody\n  end\nend",
            "bad.dfm:3: no component named nobody" },
        { "object E: TTestModule\n  object x: TTestPart\n    Text = 'open\n  end\nend",
            "bad.dfm:3: string has no closing quote" },
        { "object E: TTestModule\n  object x: TTestPart\n", "bad.dfm:2: object x has no 'end'" },
        { "object E: TTestModule\n  object x: TTestPart\n  end\n  object X: TTestPart\n  end\nend",
            "bad.dfm:4: A component named X already exists" },
        { "object E: TOtherModule\nend",
            "bad.dfm:1: the file declares TOtherModule, but is loaded into TTestModule" },
    });
}

TEST(DeclaredData, ReferenceNeverResolvedNamesFileAndLine)
{
    TTestModule window;
    declared::LoadRootFromText(&window,
        "object W2: TTestModule\n  object u: TTestPart\n\n    Peer = Missing.store\n  end\nend", "w2.dfm");
    try {
        declared::CheckPendingReferences();
        FAIL() << "an unresolved reference passed the check";
    } catch (const Exception& e) {
        EXPECT_TRUE(e.Message().startsWith("w2.dfm:4: reference Missing.store was never resolved"))
            << e.Message().toStdString();
    }
}

TEST(DeclaredData, BinaryValuesKeepEveryByteAndLine)
{
    // Every byte value, in both cases of digit, laid out the ways declared data are
    // written: lines of digits with a deep indent, CR LF line ends, blanks and tabs
    // between digits, and a pair of digits split by a line break.
    QByteArray bytes;
    quint32 state = 2463534242u;
    for (int i = 0; i < 5000; ++i) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        bytes.append(static_cast<char>(i < 256 ? i : int(state & 0xFF)));
    }
    const QByteArray hex = bytes.toHex();
    QString digits;
    int lines = 0;
    for (qsizetype i = 0; i < hex.size(); ++i) {
        const QChar d = QLatin1Char(hex.at(i));
        digits += (i / 7) % 2 ? d.toUpper() : d;
        if (i % 63 == 62) {
            digits += QString::fromUtf16(lines % 2 ? u"\r\n" : u"\n") + QString(6, u' ');
            ++lines;
        } else if (i % 29 == 5) {
            digits += i % 2 ? u'\t' : u' ';
        }
    }
    TTestModule module;
    declared::LoadRootFromText(&module,
        "object B: TTestModule\n  object part: TTestPart\n    Data = {\n      " + digits
            + "}\n    Number = 7\n  end\nend",
        "binary.dfm");
    auto* part = qobject_cast<TTestPart*>(module.FindComponent("part"));
    ASSERT_NE(part, nullptr);
    EXPECT_EQ(part->Data, bytes);
    EXPECT_EQ(part->Number, 7);

    // The lines counted through a binary value still place later errors exactly.
    TTestModule later;
    const QString wrongAfter = errorOf(&later,
        "object B: TTestModule\n  object x: TTestPart\n    Data = {\n      0A0B\n      0C0D}\n"
        "    Nope = 1\n  end\nend",
        "b.dfm");
    EXPECT_TRUE(wrongAfter.startsWith("b.dfm:6: unknown property Nope")) << wrongAfter.toStdString();

    ExpectErrors({
        { "object E: TTestModule\n  object x: TTestPart\n    Data = {0A0B\n      0C0G}\n  end\nend",
            "bad.dfm:4: binary data holds 'G'" },
        { "object E: TTestModule\n  object x: TTestPart\n    Data = {0A0B\n      0C0}\n  end\nend",
            "bad.dfm:3: binary data has an odd number of digits" },
        { "object E: TTestModule\n  object x: TTestPart\n    Data = {0A0B\n      0C0D\n",
            "bad.dfm:3: binary data has no '}'" },
        { "object E: TTestModule\n  object x: TTestPart\n    Data = {0A\u00A00B\u00E90C}\n  end\nend",
            "bad.dfm:3: binary data holds '\u00E9'" },
    });
}
