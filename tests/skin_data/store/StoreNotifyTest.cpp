#include "SkinFixture.h"
#include "framework/Application.h"
#include "framework/Form.h"
#include "skin/data/vnSkinData/SkinData.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

using namespace skintest;

namespace {

struct Seen {
    QString form;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    bool empty;
    bool changing;
    std::size_t frameObjects;

    bool operator==(const Seen&) const = default;
};

// Forms whose window procedure records every skin notification together with the
// store's state at that moment, as a frame hooked into the form would see it.
class Recorder {
public:
    TForm* AddForm(const QString& name, QObject* owner = nullptr)
    {
        auto form = std::make_unique<TForm>(owner);
        form->SetName(name);
        TForm* raw = form.get();
        TWndMethod saved = raw->WindowProc();
        raw->SetWindowProc([this, raw, saved](TMessage& m) {
            if (m.Msg >= msg::SKINMSG_BEFORE_CHANGE && m.Msg <= msg::SKINMSG_SKINNABLE_CHANGE) {
                auto* store = reinterpret_cast<TvnSkinData*>(m.WParam);
                log.push_back({ raw->Name(), m.Msg, m.WParam, m.LParam, store->Empty(), store->SkinChanging(),
                    store->FrameObjects().size() });
                if (onMessage) onMessage(raw, m.Msg);
            }
            saved(m);
        });
        m_forms.push_back(std::move(form));
        return raw;
    }

    // The forms that saw `msg`, in order.
    QStringList Order(UINT msg) const
    {
        QStringList names;
        for (const Seen& s : log)
            if (s.msg == msg) names.append(s.form);
        return names;
    }

    std::vector<Seen> log;
    std::function<void(TForm*, UINT)> onMessage;

private:
    std::vector<std::unique_ptr<TForm>> m_forms;
};

std::unique_ptr<TvnCompressedStoredSkin> SkinWithCaption(const char* skinName)
{
    return StoredSkinOf(ContainerBytes(3, { QImage(), QImage(), QImage() }, {},
        Section("VERSION", { QByteArray("skinname=").append(skinName).constData() })
            + Section("SKINOBJECTS", { "count=1", "0=caption:caption" })));
}

} // namespace

TEST(SkinNotifications, OwnerFormFirstThenEveryFormInCreationOrder)
{
    Recorder forms;
    forms.AddForm("frmFirst");
    TForm* owner = forms.AddForm("frmOwner");
    forms.AddForm("frmLast");
    auto* store = new TvnSkinData(owner);
    const WPARAM self = reinterpret_cast<WPARAM>(store);

    auto first = SkinWithCaption("One");
    store->SetCompressedStoredSkin(first.get());
    const QStringList order { "frmOwner", "frmFirst", "frmLast" };
    EXPECT_EQ(forms.Order(msg::SKINMSG_BEFORE_CHANGE), order);
    EXPECT_EQ(forms.Order(msg::SKINMSG_CHANGE), order);
    EXPECT_EQ(forms.Order(msg::SKINMSG_AFTER_CHANGE), order);
    ASSERT_EQ(forms.log.size(), 9u);
    EXPECT_EQ(forms.log[0], (Seen { "frmOwner", msg::SKINMSG_BEFORE_CHANGE, self, 1000, true, true, 0 }));
    EXPECT_EQ(forms.log[3], (Seen { "frmOwner", msg::SKINMSG_CHANGE, self, 1000, false, true, 1 }));
    EXPECT_EQ(forms.log[8], (Seen { "frmLast", msg::SKINMSG_AFTER_CHANGE, self, 1000, false, false, 1 }));

    // Every form hears of the change while the old records still exist.
    forms.log.clear();
    auto second = SkinWithCaption("Two");
    store->SetCompressedStoredSkin(second.get());
    ASSERT_EQ(forms.Order(msg::SKINMSG_BEFORE_CHANGE), order);
    for (const Seen& s : forms.log)
        if (s.msg == msg::SKINMSG_BEFORE_CHANGE) {
            EXPECT_EQ(s.frameObjects, 1u) << s.form.toStdString();
        }
    EXPECT_EQ(store->SkinName, "Two");
}

TEST(SkinNotifications, EmptyStoredSkinSendsNothing)
{
    Recorder forms;
    forms.AddForm("frmOnly");
    TvnSkinData store;
    TvnCompressedStoredSkin empty;
    store.SetCompressedStoredSkin(&empty);
    EXPECT_TRUE(forms.log.empty());
    EXPECT_TRUE(store.Empty());
}

TEST(SkinNotifications, PropertySettersBroadcastTheirOwnMessages)
{
    Recorder forms;
    forms.AddForm("frmA");
    forms.AddForm("frmB");
    TvnSkinData store;

    store.SetSkinnableForm(true); // unchanged: silent
    EXPECT_TRUE(forms.log.empty());
    store.SetSkinnableForm(false);
    EXPECT_EQ(forms.Order(msg::SKINMSG_SKINNABLE_CHANGE), QStringList({ "frmA", "frmB" }));
    store.SetLoading(true);
    store.SetSkinnableForm(true); // while declared data are read: silent
    store.SetLoading(false);
    EXPECT_EQ(forms.Order(msg::SKINMSG_SKINNABLE_CHANGE).size(), 2);
    EXPECT_TRUE(store.SkinnableForm());

    TvnResourceStrData strings;
    store.SetResourceStrData(&strings);
    EXPECT_EQ(forms.Order(msg::SKINMSG_STRINGS_CHANGE), QStringList({ "frmA", "frmB" }));
    EXPECT_EQ(forms.log.back().lParam, 1000);
}

TEST(SkinNotifications, AFormClosedByAHandlerIsSkipped)
{
    Recorder forms;
    TForm* first = forms.AddForm("frmFirst");
    QPointer<TForm> doomed = new TForm(nullptr);
    doomed->SetName("frmDoomed");
    forms.onMessage = [&](TForm* form, UINT msg) {
        if (form == first && msg == msg::SKINMSG_BEFORE_CHANGE) delete doomed.data();
    };
    TvnSkinData store;
    auto skin = SkinWithCaption("One");
    store.SetCompressedStoredSkin(skin.get());
    EXPECT_TRUE(doomed.isNull());
    EXPECT_FALSE(store.Empty());
}
