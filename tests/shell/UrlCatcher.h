#pragma once

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QUrl>

// Takes the place of the desktop for one URL scheme, so a test sees what would be opened
// instead of a browser or an editor starting.
class UrlCatcher : public QObject {
    Q_OBJECT

  public:
    explicit UrlCatcher(const QString& scheme) : scheme_(scheme) {
        QDesktopServices::setUrlHandler(scheme_, this, "Open");
    }
    ~UrlCatcher() override { QDesktopServices::unsetUrlHandler(scheme_); }

    QList<QUrl> opened;

  public slots:
    void Open(const QUrl& url) { opened.append(url); }

  private:
    QString scheme_;
};
