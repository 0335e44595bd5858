#include "Image.h"

#include "framework/Exception.h"
#include "framework/StoreChanged.h"

#include <QImageReader>
#include <QPainter>

TImage::TImage(QObject* owner)
    : TControl(owner)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void TImage::SetPictureName(const QString& name)
{
    m_pictureName = name;
    if (name.isEmpty()) {
        SetPicture(QImage());
        return;
    }
    QImageReader reader(name);
    QImage picture = reader.read();
    if (picture.isNull())
        throw Exception(QStringLiteral("Picture %1 cannot be read: %2").arg(name, reader.errorString()));
    SetPicture(picture);
}

void TImage::SetPicture(const QImage& picture)
{
    if (StoreChanged(m_picture, picture)) update();
}

void TImage::SetStretch(bool stretch)
{
    if (StoreChanged(m_stretch, stretch)) update();
}

void TImage::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, m_stretch);
    if (m_stretch)
        painter.drawImage(rect(), m_picture);
    else
        painter.drawImage(QPoint(0, 0), m_picture);
}
