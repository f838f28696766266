#pragma once
// The version dialog "製品案内": the product picture, the application title,
// the version, company, copyright and comments texts, and a link to the
// maker's web page. Its texts are filled once, when it is created.

#include <QDialog>
#include <QUrl>
#include <functional>

class QLabel;
class QPushButton;

class VersionDialog : public QDialog
{
    Q_OBJECT
public:
    // Opens a link; returns false when it could not be opened.
    using UrlOpener = std::function<bool(const QUrl &)>;

    // programDir: where images/product.png is found. The application title is
    // read now, so create the dialog after the edition's profile is applied.
    VersionDialog(const QString &programDir, UrlOpener openUrl, QWidget *parent = nullptr);

    QLabel *pictureLabel = nullptr;
    QLabel *appname = nullptr;
    QLabel *verlabel = nullptr;
    QLabel *companyLabel = nullptr;
    QLabel *copyright = nullptr;
    QLabel *officelabel = nullptr;
    QLabel *linkLabel = nullptr;
    QPushButton *closeButton = nullptr;

protected:
    // Centred on the screen, not on the main window, wherever that stands.
    void showEvent(QShowEvent *event) override;

private:
    UrlOpener m_openUrl;
};
