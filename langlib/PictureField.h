#pragma once

#include <QIcon>
#include <QLabel>

// A picture box: shows a picture and hands out that very picture object, so
// everyone who asks for it shares one icon.
class PictureField : public QLabel
{
    Q_OBJECT

public:
    explicit PictureField(QWidget* parent = nullptr);

    QIcon Picture() const;
    void SetPicture(const QIcon& picture);

private:
    QIcon m_picture;
};
