#include "tools/drive/windowdriver.h"

#include "tools/drive/eventwait.h"

#include <QGuiApplication>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

QQuickWindow *findWindow(const std::function<bool(QQuickWindow *)> &match)
{
    for (QWindow *w : QGuiApplication::topLevelWindows()) {
        auto *q = qobject_cast<QQuickWindow *>(w);
        if (q && q->isVisible() && match(q))
            return q;
    }
    return nullptr;
}

QQuickItem *findItem(QQuickWindow *window, const QString &name)
{
    auto *found = window->contentItem()->findChild<QQuickItem *>(name);
    return found ? found : window->findChild<QQuickItem *>(name);
}

void clickItem(QQuickWindow *window, QQuickItem *target, int settleMs)
{
    const QPointF centre = target->mapToScene(QPointF(target->width() / 2, target->height() / 2));
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, centre.toPoint());
    settle(settleMs);
}

bool waitIdle(QQuickWindow *window, int timeoutMs)
{
    const QStringList popups{QStringLiteral("popupWaiting"), QStringLiteral("popupAlert"),
                             QStringLiteral("popupFirmwareUpdate")};
    return waitUntil([&] {
        for (const QString &name : popups) {
            QObject *popup = window->findChild<QObject *>(name);
            if (popup && popup->property("visible").toBool())
                return false;
        }
        return true;
    }, timeoutMs);
}

int portEntryIndex(QQuickItem *portSelector, const QString &number)
{
    const int count = portSelector->property("count").toInt();
    for (int i = 0; i < count; ++i) {
        QString text;
        QMetaObject::invokeMethod(portSelector, "textAt", Q_RETURN_ARG(QString, text), Q_ARG(int, i));
        if (text.endsWith(QLatin1Char(' ') + number))
            return i;
    }
    return -1;
}
