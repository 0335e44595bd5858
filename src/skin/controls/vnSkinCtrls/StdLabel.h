#pragma once
// TvnSkinStdLabel: the framework's label with its font, colour and ellipsis taken from
// the "stdlabel" record. The framework label sizes and paints; this class only decides,
// in DoDrawText, which font and colour draw the text, shortens it when asked, and draws
// disabled text embossed in the skin's highlight and shadow colours. DoDrawText (called
// to measure and to draw, on the rectangle the framework lays out) looks the record up,
// takes one snapshot and draws from it alone.
#include "SkinBinding.h"
#include "SkinCtrlTypes.h"
#include "framework/stdctrls/Label.h"

#include <QPointer>

class TvnSkinStdLabel : public TLabel, public TvnSkinBound {
    Q_OBJECT
    Q_PROPERTY(TvnSkinData* SkinData READ SkinData WRITE SetSkinData)
    Q_PROPERTY(QString SkinDataName READ SkinDataName WRITE SetSkinDataName)
    Q_PROPERTY(TFont* DefaultFont READ DefaultFont)
    Q_PROPERTY(bool UseSkinFont READ UseSkinFont WRITE SetUseSkinFont)
    Q_PROPERTY(bool UseSkinColor READ UseSkinColor WRITE SetUseSkinColor)
    Q_PROPERTY(vnskin::TvnEllipsType EllipsType READ EllipsType WRITE SetEllipsType)
public:
    explicit TvnSkinStdLabel(QObject* owner = nullptr);

    TvnSkinData* SkinData() const { return m_skin.Store(); }
    void SetSkinData(TvnSkinData* store);
    QString SkinDataName() const { return m_skin.Name(); }
    void SetSkinDataName(const QString& name) { m_skin.SetName(name); }
    // Takes effect at the next paint.
    TFont* DefaultFont() const { return m_defaultFont; }
    bool UseSkinFont() const { return m_useSkinFont; }
    void SetUseSkinFont(bool use) { m_useSkinFont = use; }
    bool UseSkinColor() const { return m_useSkinColor; }
    void SetUseSkinColor(bool use) { m_useSkinColor = use; }
    TvnEllipsType EllipsType() const { return m_ellipsType; }
    void SetEllipsType(TvnEllipsType type);
    int SkinRecordIndex() const { return m_skin.RecordIndex(); }

    // Looks the record up, sizes the label to its text (AutoSize) and repaints.
    void ApplySkin();
    void SkinChanged() override { ApplySkin(); }
    // The index and every kept look go before the store loads another skin.
    void PrepareSkinChange() override
    {
        m_skin.Drop();
        m_skin.DropLooks();
    }
    // Draws the label as it paints itself into another canvas, its rectangle moved by
    // `offset` (copies of a label in the rows of a control grid).
    void DrawTo(QPainter& painter, QPoint offset);

    void WndProc(TMessage& message) override;

protected:
    void DoDrawText(QPainter& painter, QRect& rect, unsigned flags) override;
    // The caches of looks a derived label keeps, named once in its constructor.
    void KeepLooks(std::initializer_list<vnctrls::TvnLookStore*> caches) { m_skin.KeepLooks(caches); }

private:
    // What one drawing of the text reads, taken once after the record is looked up: the
    // text and flags, font and colour, and the embossing colours of a disabled label.
    struct TextSnapshot {
        QString Text;
        unsigned Flags = 0;
        QFont Font;
        QColor Color;
        bool Enabled = true;
        QColor Highlight, Shadow;
    };
    TextSnapshot TakeSnapshot(unsigned flags) const;
    static void PaintText(QPainter& painter, QRect& rect, const TextSnapshot& s);

    TvnSkinBinding m_skin;
    TFont* m_defaultFont;
    bool m_useSkinFont = true;
    bool m_useSkinColor = true;
    TvnEllipsType m_ellipsType = vnetNone;
};
