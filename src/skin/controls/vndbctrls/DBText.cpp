#include "DBText.h"

#include "framework/data/DataSource.h"
#include "framework/data/Field.h"

#include <QPainter>

TvnSkinDBText::TvnSkinDBText(QObject* owner)
    : TvnSkinStdLabel(owner)
{
    SetAutoSize(false);
    SetShowAccelChar(false);
    SetCaption(QStringLiteral("-"));
    m_link.OnActiveChange = [this] {
        if (m_link.Active()) m_opened = true;
    };
    m_link.OnDataChange = [this] { DataChange(); };
    KeepLooks({ &m_pictures });
}

void TvnSkinDBText::SetDataSource(TDataSource* source)
{
    if (IsLoading() && m_link.DataSourceFixed()) return;
    m_link.SetDataSource(source);
    if (source) FreeNotification(source);
}

void TvnSkinDBText::Notification(QObject* component, TOperation operation)
{
    TvnSkinStdLabel::Notification(component, operation);
    if (operation == TOperation::opRemove && component == m_link.DataSource()) {
        m_link.SetDataSourceFixed(false);
        m_link.SetDataSource(nullptr);
    }
}

QString TvnSkinDBText::FieldText() const
{
    const TField* field = m_link.Field();
    return field ? field->DisplayText() : QString();
}

void TvnSkinDBText::DataChange()
{
    // The placeholder caption stays until there has been something to show.
    if (!m_opened) return;
    SetCaption(FieldText());
}

QString TvnSkinDBText::GetLabelText() const { return m_copyText ? *m_copyText : Caption(); }

void TvnSkinDBText::DrawCopy(QPainter& painter, QPoint offset) { DrawShowing(painter, offset, FieldText()); }

void TvnSkinDBText::DrawShowing(QPainter& painter, QPoint offset, const QString& text)
{
    m_copyText = &text;
    DrawTo(painter, offset);
    m_copyText = nullptr;
}

void TvnSkinDBText::WndProc(TMessage& m)
{
    if (m.Msg == msg::CM_GETDATALINK) {
        m.Result = reinterpret_cast<LRESULT>(static_cast<TDataLink*>(&m_link));
        return;
    }
    TvnSkinStdLabel::WndProc(m);
}

const QImage& TvnSkinDBText::Picture(bool copy)
{
    return Picture(vndb::LabelPictureKey(*this, copy ? FieldText() : Caption()));
}

const QImage& TvnSkinDBText::Picture(const vndb::TvnLabelPictureKey& key)
{
    // The key names the store and the record; a new skin in the same store drops the
    // pictures with every kept look. A caption and a copy showing the same text are one
    // drawing.
    vndb::TvnLabelPictureKey own = key;
    own.Place = QPoint();
    if (const QImage* kept = m_pictures.Find(own)) return *kept;
    // Drawn on one scratch picture, which keeps its paint engine from drawing to drawing
    // (a new picture would make one and hold it until the picture goes), and copied.
    if (m_scratch.size() != size())
        m_scratch = vndb::BlankLabelPicture(*this);
    else
        m_scratch.fill(Qt::transparent);
    if (!m_scratch.isNull()) {
        QPainter canvas(&m_scratch);
        DrawShowing(canvas, QPoint(0, 0), own.Text);
    }
    return m_pictures.Keep(own, m_scratch.copy(), kMaxPictures);
}

void TvnSkinDBText::paintEvent(QPaintEvent*)
{
    const QImage& picture = Picture(false);
    if (picture.isNull()) return;
    QPainter painter(this);
    painter.drawImage(0, 0, picture);
}
