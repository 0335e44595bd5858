#include "SkinMessage.h"

#include "skin/controls/vnSkinCtrls/Button.h"
#include "skin/controls/vnSkinCtrls/StdLabel.h"
#include "skin/data/vnSkinData/ResourceStrData.h"
#include "skin/form/Veneerform/Veneerform.h"

#include <QScopeGuard>
#include <algorithm>

namespace {

// The resource strings that name each button and caption in the store's language.
struct ButtonKey {
    TMsgDlgBtn Button;
    const char* Key;
};
constexpr ButtonKey kButtonKeys[] = {
    { mbYes, "MSG_BTN_YES" },
    { mbNo, "MSG_BTN_NO" },
    { mbOK, "MSG_BTN_OK" },
    { mbCancel, "MSG_BTN_CANCEL" },
    { mbAbort, "MSG_BTN_ABORT" },
    { mbRetry, "MSG_BTN_RETRY" },
    { mbIgnore, "MSG_BTN_IGNORE" },
};

const char* CaptionKey(TMsgDlgType type)
{
    switch (type) {
    case TMsgDlgType::mtWarning:
        return "MSG_CAP_WARNING";
    case TMsgDlgType::mtError:
        return "MSG_CAP_ERROR";
    case TMsgDlgType::mtInformation:
        return "MSG_CAP_INFORMATION";
    case TMsgDlgType::mtConfirmation:
        return "MSG_CAP_CONFIRM";
    case TMsgDlgType::mtCustom:
        break;
    }
    return nullptr;
}

// The answer Esc and closing give: the first of these the box offers, else its only
// button; a box of several consenting answers gives none of them (mrCancel).
TModalResult CancelAnswer(const QList<TMsgDlgButtonInfo>& buttons)
{
    for (TMsgDlgBtn b : { mbCancel, mbNo, mbAbort })
        for (const TMsgDlgButtonInfo& info : buttons)
            if (info.Button == b) return info.Result;
    return buttons.size() == 1 ? buttons.front().Result : mrCancel;
}

constexpr int kMargin = 16;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 8;
constexpr int kTextGap = 16;
constexpr int kMaxTextWidth = 360;
constexpr int kMinClientWidth = 200;

} // namespace

TvnSkinMessageForm::TvnSkinMessageForm(TvnSkinData* frameSkin, TvnSkinData* ctrlSkin, const QString& text,
    TMsgDlgType type, TMsgDlgButtons buttons, TMsgDlgBtn defaultButton)
    : TForm(nullptr)
    , m_ctrlSkin(ctrlSkin)
{
    SetName(QStringLiteral("vnSkinMessageForm"));
    SetPosition(poScreenCenter);
    SetBorderIcons({});
    const char* captionKey = CaptionKey(type);
    SetCaption(captionKey ? ResText(captionKey, MsgDlgCaption(type)) : QString());
    m_frame = new veneer::TvnVeneerform(this);
    m_frame->SetBorderIcons({});
    m_frame->SetMenusSkinData(ctrlSkin);
    m_frame->SetSkinData(frameSkin);

    m_text = new TvnSkinStdLabel(this);
    m_text->SetSkinData(ctrlSkin);
    m_text->SetCaption(text);
    m_text->SetAutoSize(true);
    m_text->SetParent(ClientWidget());

    const QList<TMsgDlgButtonInfo> asked = MsgDlgButtons(buttons);
    m_cancelResult = CancelAnswer(asked);
    const bool knownDefault
        = std::any_of(asked.begin(), asked.end(), [&](const auto& b) { return b.Button == defaultButton; });
    for (const TMsgDlgButtonInfo& info : asked) {
        auto* button = new TvnSkinButton(this);
        button->SetSkinData(ctrlSkin);
        const auto key = std::find_if(std::begin(kButtonKeys), std::end(kButtonKeys),
            [&](const ButtonKey& k) { return k.Button == info.Button; });
        button->SetCaption(ResText(key->Key, info.Text));
        button->SetCanFocused(true);
        button->SetDefaultHeight(kButtonHeight);
        button->SetModalResult(info.Result);
        button->SetCancel(info.Result == m_cancelResult);
        const bool isDefault = knownDefault ? info.Button == defaultButton : m_buttons.isEmpty();
        button->SetDefault(isDefault);
        button->SetParent(ClientWidget());
        m_buttons.append(button);
    }
    Layout();
    // The keyboard starts on the default answer; Tab still runs left to right.
    for (TvnSkinButton* b : m_buttons)
        if (b->Default()) b->setFocus(Qt::OtherFocusReason);
}

QString TvnSkinMessageForm::ResText(const char* name, const char* builtIn) const
{
    return ResStrOr(m_ctrlSkin ? m_ctrlSkin->ResourceStrData() : nullptr, name, builtIn);
}

void TvnSkinMessageForm::Layout()
{
    // One line as long as it needs up to a limit, then wrapped at the limit.
    if (m_text->Width() > kMaxTextWidth) {
        m_text->SetWidth(kMaxTextWidth);
        m_text->SetWordWrap(true);
    }
    const int row = static_cast<int>(m_buttons.size()) * (kButtonWidth + kButtonGap) - kButtonGap;
    const int width = std::max({ kMinClientWidth, m_text->Width() + 2 * kMargin, row + 2 * kMargin });
    m_text->SetLeft(kMargin);
    m_text->SetTop(kMargin);
    const int buttonsTop = kMargin + m_text->Height() + kTextGap;
    int x = (width - row) / 2;
    for (TvnSkinButton* b : m_buttons) {
        b->SetBounds(x, buttonsTop, kButtonWidth, kButtonHeight);
        x += kButtonWidth + kButtonGap;
    }
    SetClientWidth(width);
    SetClientHeight(buttonsTop + kButtonHeight + kMargin);
}

TvnSkinMessage::TvnSkinMessage(QObject* owner)
    : TComponent(owner)
{
}

TModalResult TvnSkinMessage::MessageDlg(
    const QString& text, TMsgDlgType type, TMsgDlgButtons buttons, TMsgDlgBtn defaultButton)
{
    TvnSkinMessageForm form(m_skinData, CtrlSkinData(), text, type, buttons, defaultButton);
    m_form = &form;
    const auto done = qScopeGuard([this] { m_form = nullptr; });
    const TModalResult answer = form.ShowModal();
    // Closing the window is no answer the box offered: it counts as its cancel answer.
    const bool offered = std::any_of(form.Buttons().begin(), form.Buttons().end(),
        [&](const TvnSkinButton* b) { return b->ModalResult() == answer; });
    return offered ? answer : form.CancelResult();
}
