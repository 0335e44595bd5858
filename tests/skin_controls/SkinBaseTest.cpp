// The control base: finding the record, the resize rules, the window shape, the default
// look and following the store through reloads and removal.
#include "ControlSkin.h"
#include "framework/Form.h"
#include "skin/controls/vnSkinCtrls/Panel.h"
#include "skin/controls/vnSkinCtrls/SkinCustomControl.h"
#include "skin/form/Veneerform/Veneerform.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

using namespace ctltest;
using vnctrls::TvnResizeMode;

namespace {

// A custom control that counts what the base makes it do.
class Probe : public TvnSkinCustomControl {
public:
    explicit Probe(const QString& record, QObject* owner = nullptr)
        : TvnSkinCustomControl(owner)
    {
        SetSkinDataName(record);
    }
    void UpdateShapeRegion() override
    {
        ++shapes;
        TvnSkinCustomControl::UpdateShapeRegion();
    }
    void PrepareSkinChange() override
    {
        order->append(Name());
        TvnSkinCustomControl::PrepareSkinChange();
    }
    int shapes = 0;
    QStringList* order = &ownOrder;
    QStringList ownOrder;

protected:
    void DrawSkinned(QImage& bitmap) override
    {
        ++skinnedPaints;
        TvnSkinCustomControl::DrawSkinned(bitmap);
    }

public:
    int skinnedPaints = 0;
};

} // namespace

TEST(SkinRecord, FoundByNameAndKeptOnlyWhenTheClassFits)
{
    TestSkin skin;
    Probe panel("groupbox"), label("stdlabel"), missing("nosuchrecord");
    for (Probe* p : { &panel, &label, &missing })
        p->SetSkinData(&skin.Store());

    EXPECT_EQ(panel.SkinRecordIndex(), skin.Store().FindControlSkin("groupbox"));
    EXPECT_EQ(panel.ResizeMode(), TvnResizeMode::Both);
    EXPECT_FALSE(panel.Geometry().Picture.isNull());

    // A label record is no custom control record: fixed size, nothing from the skin,
    // but the index stays.
    EXPECT_EQ(label.SkinRecordIndex(), skin.Store().FindControlSkin("stdlabel"));
    EXPECT_EQ(label.ResizeMode(), TvnResizeMode::Fixed);
    EXPECT_TRUE(label.Geometry().Picture.isNull());

    // A name the store does not hold draws the default look.
    missing.SetBounds(0, 0, 30, 20);
    EXPECT_EQ(missing.SkinRecordIndex(), -1);
    EXPECT_EQ(Grab(&missing).pixel(10, 10), ToQColor(clr::clBtnFace).rgba());

    // The name is only stored; the record is looked up at the next paint.
    missing.SetSkinDataName("fixed");
    EXPECT_EQ(missing.SkinRecordIndex(), -1);
    EXPECT_EQ(Grab(&missing).pixel(10, 10), kFixed);
    EXPECT_EQ(missing.SkinRecordIndex(), skin.Store().FindControlSkin("fixed"));
}

TEST(SkinResize, EachModeCorrectsTheRequestedSize)
{
    TestSkin skin;
    Probe fixed("fixed"), hbar("hbar"), vbar("vbar"), panel("panel");
    for (Probe* p : { &fixed, &hbar, &vbar, &panel }) {
        p->SetSkinData(&skin.Store());
        p->SetBounds(5, 6, 120, 90);
    }
    EXPECT_EQ(fixed.ResizeMode(), TvnResizeMode::Fixed);
    EXPECT_EQ(fixed.geometry(), QRect(5, 6, 30, 20));
    EXPECT_EQ(fixed.CurrentGeometry().ClientRect, QRect(2, 2, 26, 16));

    // Only across: the height stays the skin rectangle's, the client rectangle widens.
    EXPECT_EQ(hbar.ResizeMode(), TvnResizeMode::Horizontal);
    EXPECT_EQ(hbar.geometry(), QRect(5, 6, 120, 20));
    hbar.SetHeight(50);
    EXPECT_EQ(hbar.Height(), 20);
    EXPECT_EQ(hbar.CurrentGeometry().Corners.RightTop, QPoint(40 + 70, 0));
    EXPECT_EQ(hbar.CurrentGeometry().ClientRect, QRect(10, 0, 100, 20));

    EXPECT_EQ(vbar.ResizeMode(), TvnResizeMode::Vertical);
    EXPECT_EQ(vbar.geometry(), QRect(5, 6, 20, 90));
    EXPECT_EQ(vbar.CurrentGeometry().Corners.LeftBottom, QPoint(0, 80));

    EXPECT_EQ(panel.geometry(), QRect(5, 6, 120, 90));
    EXPECT_EQ(panel.CurrentGeometry().Corners.RightBottom, QPoint(112, 82));
    EXPECT_EQ(panel.CurrentGeometry().ClientRect, QRect(4, 4, 112, 82));
}

TEST(SkinResize, PaintsEveryModeFromTheSkinPicture)
{
    TestSkin skin;
    Probe hbar("hbar"), panel("panel");
    for (Probe* p : { &hbar, &panel }) {
        p->SetSkinData(&skin.Store());
        p->SetBounds(0, 0, 120, 90);
    }
    const QImage strip = Grab(&hbar);
    EXPECT_EQ(strip.pixel(0, 10), kLeft);
    EXPECT_EQ(strip.pixel(60, 10), kMiddle);
    EXPECT_EQ(strip.pixel(119, 10), kRight);
    const QImage framed = Grab(&panel);
    EXPECT_EQ(framed.pixel(1, 1), kPanelFrame);
    EXPECT_EQ(framed.pixel(118, 88), kPanelFrame);
    EXPECT_EQ(framed.pixel(60, 45), kPanelClient);
    EXPECT_EQ(framed.pixel(115, 85), kPanelClient);
}

TEST(SkinResize, TheSameSizeAgainNeitherReshapesNorRepaints)
{
    TestSkin skin;
    TForm form;
    form.SetBounds(0, 0, 300, 200);
    Probe shaped("shaped");
    shaped.SetParent(form.ClientWidget());
    shaped.SetSkinData(&skin.Store());
    shaped.SetBounds(10, 10, 80, 60);
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    ASSERT_TRUE(testenv::waitFor([&] { return shaped.skinnedPaints > 0; }));
    const int shapes = shaped.shapes, paints = shaped.skinnedPaints;
    shaped.SetBounds(10, 10, 80, 60);
    // Moving without resizing repaints nothing of the control itself.
    shaped.SetBounds(20, 30, 80, 60);
    QTest::qWait(50);
    EXPECT_EQ(shaped.shapes, shapes);
    EXPECT_EQ(shaped.skinnedPaints, paints);
    shaped.SetBounds(20, 30, 81, 60);
    EXPECT_EQ(shaped.shapes, shapes + 1);
    EXPECT_TRUE(testenv::waitFor([&] { return shaped.skinnedPaints > paints; }));
}

TEST(SkinShape, TheMaskCutsTheCornersAtEverySize)
{
    TestSkin skin;
    TForm form;
    Probe shaped("shaped");
    shaped.SetParent(form.ClientWidget());
    shaped.SetSkinData(&skin.Store());
    shaped.SetBounds(0, 0, 100, 70);
    const QRegion region = shaped.mask();
    ASSERT_FALSE(region.isEmpty());
    for (QPoint corner : { QPoint(0, 0), QPoint(99, 0), QPoint(0, 69), QPoint(99, 69), QPoint(3, 3) })
        EXPECT_FALSE(region.contains(corner)) << corner.x() << "," << corner.y();
    for (QPoint inside : { QPoint(4, 0), QPoint(0, 4), QPoint(50, 35), QPoint(95, 69), QPoint(99, 65) })
        EXPECT_TRUE(region.contains(inside)) << inside.x() << "," << inside.y();

    // Without a record the shape goes.
    shaped.SetSkinDataName("panel");
    shaped.SkinChanged();
    EXPECT_TRUE(shaped.mask().isEmpty());
}

TEST(SkinStore, RemovingItLeavesTheDefaultLookWithoutError)
{
    auto skin = std::make_unique<TestSkin>();
    TvnSkinPanel panel;
    panel.SetSkinData(&skin->Store());
    panel.SetBounds(0, 0, 60, 50);
    EXPECT_EQ(Grab(&panel).pixel(30, 25), kPanelClient);
    skin->DestroyStore();
    EXPECT_EQ(panel.SkinData(), nullptr);
    const QImage look = Grab(&panel);
    EXPECT_EQ(panel.SkinRecordIndex(), -1);
    EXPECT_EQ(look.pixel(30, 25), ToQColor(clr::clBtnFace).rgba());
    EXPECT_EQ(look.pixel(0, 0), ToQColor(clr::clBtnShadow).rgba());
}

TEST(SkinStore, DefaultSizeIsTakenAtTheNextSkinChangeWithoutARecord)
{
    TestSkin skin;
    Probe probe("nosuchrecord");
    probe.SetBounds(0, 0, 50, 40);
    probe.SetDefaultWidth(77);
    EXPECT_EQ(probe.Width(), 77);
    probe.SetSkinData(&skin.Store());
    probe.SetDefaultHeight(0);
    probe.SetHeight(12);
    probe.SetDefaultHeight(33);
    EXPECT_EQ(probe.Height(), 33);
}

TEST(SkinChange, ControlsDropTheirIndexThenFindTheirRecordInTheNewSkin)
{
    TestSkin skin;
    TForm form;
    new TvnVeneerform(&form); // relays the skin notifications to the controls
    QStringList order;
    Probe outer("panel"), inner("panel"), later("panel");
    outer.SetName("outer");
    inner.SetName("inner");
    later.SetName("later");
    outer.SetParent(form.ClientWidget());
    inner.SetParent(&outer);
    later.SetParent(form.ClientWidget());
    for (Probe* p : { &outer, &inner, &later }) {
        p->order = &order;
        p->SetSkinData(&skin.Store());
        p->SetBounds(0, 0, 40, 40);
    }
    ASSERT_EQ(outer.SkinRecordIndex(), 0);

    // Before the old skin goes, every control of the form, parent before children.
    skin.Reload(ReorderedRecords());
    EXPECT_EQ(order, QStringList({ "outer", "inner", "later" }));

    // After it, the record is found where the new skin lists it and the size follows it.
    EXPECT_EQ(outer.SkinRecordIndex(), 6);
    EXPECT_EQ(inner.SkinRecordIndex(), 6);
    EXPECT_EQ(outer.geometry().size(), QSize(40, 40));
    EXPECT_EQ(outer.CurrentGeometry().ClientRect, QRect(4, 4, 32, 34));
}

TEST(SkinChange, AControlNoFormToldFindsItsRecordAgainAtItsNextPaint)
{
    TestSkin skin;
    TvnSkinPanel panel; // on no form: no notification reaches it
    panel.SetSkinData(&skin.Store());
    panel.SetBounds(0, 0, 40, 40);
    const int before = panel.SkinRecordIndex();
    ASSERT_EQ(before, skin.Store().FindControlSkin("panel"));

    // The index kept from the old skin would name another record of the new one.
    skin.Reload(ReorderedRecords());
    ASSERT_NE(skin.Store().FindControlSkin("panel"), before);
    Grab(&panel);
    EXPECT_EQ(panel.SkinRecordIndex(), skin.Store().FindControlSkin("panel"));
    EXPECT_EQ(Grab(&panel).pixel(20, 20), kPanelClient);
}

TEST(SkinChange, TheGeometryKeptBetweenPaintsFollowsTheRecordFoundAgain)
{
    TestSkin skin;
    TvnSkinPanel panel; // on no form: no notification reaches it
    panel.SetSkinData(&skin.Store());
    panel.SetBounds(0, 0, 40, 40);
    Grab(&panel);
    ASSERT_EQ(panel.CurrentGeometry().ClientRect, QRect(4, 4, 32, 32));

    // The reloaded skin's panel record is two pixels shorter: the next paint reads it and
    // draws what a panel made after the reload draws.
    skin.Reload(ReorderedRecords());
    const QImage after = Grab(&panel);
    EXPECT_EQ(panel.CurrentGeometry().ClientRect, QRect(4, 4, 32, 34));
    TvnSkinPanel fresh;
    fresh.SetSkinData(&skin.Store());
    fresh.SetBounds(0, 0, 40, 40);
    EXPECT_EQ(after, Grab(&fresh));
}

TEST(SkinChange, AnEmptyingLoadLeavesEveryControlOnItsDefaultLook)
{
    TestSkin skin;
    TForm form;
    new TvnVeneerform(&form); // relays the skin notifications to the controls
    TvnSkinPanel panel;
    panel.SetParent(form.ClientWidget());
    panel.SetSkinData(&skin.Store());
    panel.SetBounds(0, 0, 50, 50);
    skin.Store().BroadcastSkinMessage(msg::SKINMSG_BEFORE_CHANGE);
    EXPECT_EQ(panel.SkinRecordIndex(), -1);
    skin.Store().ClearSkin();
    skin.Store().BroadcastSkinMessage(msg::SKINMSG_CHANGE);
    EXPECT_EQ(panel.SkinRecordIndex(), -1);
    EXPECT_EQ(Grab(&panel).pixel(25, 25), ToQColor(clr::clBtnFace).rgba());
}
