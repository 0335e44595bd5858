#pragma once
// TvnSkinDBText: a skinned label that shows one field of its data source's current row.
// Until the data set is first opened it keeps its caption ("-"); from then on the caption
// follows the field (empty while the data set is closed).
//
// A control grid paints copies of the text for the other rows it shows: DrawCopy draws
// the value of whatever row the link has made active, without touching the caption.
// The text keeps its drawings by everything they depend on, its caption's and the
// copies' alike, so a row drawn as a copy is not laid out again when it becomes the
// current one, nor the other way round.
#include "LabelPicture.h"
#include "framework/data/DataLink.h"
#include "framework/data/DataSource.h"
#include "skin/controls/vnSkinCtrls/FaceCache.h"
#include "skin/controls/vnSkinCtrls/StdLabel.h"

class TvnSkinDBText : public TvnSkinStdLabel {
    Q_OBJECT
    Q_PROPERTY(TDataSource* DataSource READ DataSource WRITE SetDataSource)
    Q_PROPERTY(QString DataField READ DataField WRITE SetDataField)
public:
    explicit TvnSkinDBText(QObject* owner = nullptr);

    TDataSource* DataSource() const { return m_link.DataSource(); }
    // Ignored while loading when a container has fixed the link's source.
    void SetDataSource(TDataSource* source);
    QString DataField() const { return m_link.FieldName(); }
    void SetDataField(const QString& field) { m_link.SetFieldName(field); }
    TFieldDataLink& DataLink() { return m_link; }

    // The field's display text for the row the link reads now; empty without a field.
    QString FieldText() const;
    // Draws the label as DrawTo does, showing FieldText instead of the caption.
    void DrawCopy(QPainter& painter, QPoint offset);
    // The kept drawing of the caption, or with `copy` of FieldText (as DrawCopy draws
    // it), at the label's size on a transparent ground; drawn the first time.
    const QImage& Picture(bool copy);
    // The kept drawing of the text `key` names (a LabelPictureKey of this label; its
    // Place is no part of the drawing), drawn the first time.
    const QImage& Picture(const vndb::TvnLabelPictureKey& key);

    void Notification(QObject* component, TOperation operation) override;
    void WndProc(TMessage& message) override;

protected:
    QString GetLabelText() const override;
    // Paints from the kept picture of its caption: a row move repaints the texts, most
    // of them with a look drawn before.
    void paintEvent(QPaintEvent* event) override;

private:
    void DataChange();

    // Draws the label as DrawTo does, showing `text` instead of the caption.
    void DrawShowing(QPainter& painter, QPoint offset, const QString& text);

    TFieldDataLink m_link;
    bool m_opened = false;
    // While a copy is drawn: the text it shows instead of the caption.
    const QString* m_copyText = nullptr;
    // Rows come and go as records scroll: a few screens of them are kept.
    static constexpr int kMaxPictures = 128;
    vnctrls::TvnLookTable<vndb::TvnLabelPictureKey> m_pictures;
    QImage m_scratch;
};
