#pragma once
// The picture box: shows one picture, at its own size or stretched to the control.
// Declared data names the picture by resource path (JPEG, PNG or BMP, through Qt's
// image readers); an empty name shows nothing.
#include "framework/Control.h"

#include <QImage>

class TImage : public TControl {
    Q_OBJECT
    Q_PROPERTY(QString Picture READ PictureName WRITE SetPictureName)
    Q_PROPERTY(bool Stretch READ Stretch WRITE SetStretch)
public:
    explicit TImage(QObject* owner = nullptr);

    QString PictureName() const { return m_pictureName; }
    void SetPictureName(const QString& name);
    const QImage& Picture() const { return m_picture; }
    void SetPicture(const QImage& picture);
    bool Stretch() const { return m_stretch; }
    void SetStretch(bool stretch);

    bool Windowless() const override { return true; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_pictureName;
    QImage m_picture;
    bool m_stretch = false;
};
