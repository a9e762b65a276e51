#include "shell/message_window.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPixmap iconPixmap(MsgIcon icon)
{
    const int s = 48;
    QPixmap pm(s, s);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPen white(Qt::white, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    switch (icon) {
    case MsgIcon::Done: {
        p.setBrush(QColor(46, 160, 67));
        p.setPen(Qt::NoPen);
        p.drawEllipse(2, 2, s - 4, s - 4);
        p.setPen(white);
        const QPointF tick[] = {{13, 25}, {21, 33}, {36, 16}};
        p.drawPolyline(tick, 3);
        break;
    }
    case MsgIcon::Warning: {
        QPainterPath tri;
        tri.moveTo(s / 2.0, 3);
        tri.lineTo(s - 2, s - 4);
        tri.lineTo(2, s - 4);
        tri.closeSubpath();
        p.setPen(QPen(QColor(160, 120, 0), 2));
        p.setBrush(QColor(250, 200, 30));
        p.drawPath(tri);
        p.setPen(QPen(Qt::black, 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(s / 2.0, 17), QPointF(s / 2.0, 30));
        p.drawPoint(QPointF(s / 2.0, 38));
        break;
    }
    case MsgIcon::Error: {
        p.setBrush(QColor(200, 35, 35));
        p.setPen(Qt::NoPen);
        p.drawEllipse(2, 2, s - 4, s - 4);
        p.setPen(white);
        p.drawLine(QPointF(16, 16), QPointF(32, 32));
        p.drawLine(QPointF(32, 16), QPointF(16, 32));
        break;
    }
    }
    return pm;
}

bool showModal(const MessageRequest& request)
{
    QWidget* parent = QApplication::activeWindow();
    if (request.plain) {
        QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), request.text,
                        QMessageBox::Ok, parent);
        box.exec();
        return true;
    }
    MessageWindow window(request, parent);
    return window.exec() == QDialog::Accepted;
}

} // namespace

MessageWindow::MessageWindow(const MessageRequest& request, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("mesaj"));
    setWindowTitle(messageCaption(request.title));
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("resim"));
    picture->setPixmap(iconPixmap(request.icon));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* text = new QLabel(request.text, this);
    text->setObjectName(QStringLiteral("yazi"));
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(true);
    text->setMinimumWidth(320);
    text->setMaximumWidth(640);
    QFont f = text->font();
    f.setPointSize(f.pointSize() + 2);
    text->setFont(f);

    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addWidget(text, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto makeButton = [&](const QString& caption, bool answer) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(caption);
        b->setMinimumSize(110, 34);
        b->setAutoDefault(true);
        connect(b, &QPushButton::clicked, this, answer ? &QDialog::accept : &QDialog::reject);
        buttons->addWidget(b);
        return b;
    };
    if (request.buttons == MsgButtons::YesNo) {
        m_first = makeButton(QStringLiteral("EVET"), true);
        makeButton(QStringLiteral("HAYIR"), false);
    } else {
        m_first = makeButton(QStringLiteral("TAMAM"), true);
    }
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 16);
    layout->setSpacing(18);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_first->setDefault(true);
    m_first->setFocus();
}

void MessageWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        focusNextPrevChild(false);
        return;
    case Qt::Key_Right:
    case Qt::Key_Down:
        focusNextPrevChild(true);
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void installMessageWindow()
{
    setMessageHandler(showModal);
}
