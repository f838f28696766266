#pragma once
// The main window's top bar: print buttons, the print date (edition 50), the
// preview, phrase list and history buttons, the overall offsets, the copies,
// the edition's logo and the exit button.

#include <QDate>
#include <QWidget>

class MainActions;
class QCheckBox;
class QDateEdit;
class QLabel;
class NumberEdit;
class QWidget;
struct EditionProfile;

class TopBar : public QWidget
{
    Q_OBJECT
public:
    TopBar(MainActions *actions, QWidget *parent = nullptr);

    // Edition captions, the logo and which controls exist.
    void applyProfile(const EditionProfile &profile, const QPixmap &logo);

    // ofxbox / ofybox: overall offsets in whole mm (-100 .. 100).
    int offsetX() const;
    int offsetY() const;
    // Sets both boxes without reporting a change (the header was just read).
    void setOffsets(int x, int y);
    // copiesEdit: copies for single print, held to 1 .. 1000 by the box
    // (no copies at all would print nothing and still record a history row).
    int copies() const;
    void setCopies(int copies);
    // previewOpt1 "全体位置も反映させる".
    bool previewLocate() const;
    void setPreviewLocate(bool on);
    // printDateEdit and noPrintDateBox "印刷しない".
    QDate printDate() const;
    void setPrintDate(const QDate &date);
    bool printDateOff() const;
    void setPrintDateOff(bool off);

    NumberEdit *ofxbox = nullptr;
    NumberEdit *ofybox = nullptr;
    NumberEdit *copiesEdit = nullptr;
    QCheckBox *previewOpt1 = nullptr;
    QDateEdit *printDateEdit = nullptr;
    QCheckBox *noPrintDateBox = nullptr;

signals:
    // An offset box or the copies box changed (the header is rewritten).
    void headerValuesChanged();
    // previewOpt1 was clicked.
    void previewLocateToggled();
    // The print date or "印刷しない" changed.
    void printDateChanged();

private:
    QWidget *m_dateGroup = nullptr;
    QLabel *m_logo = nullptr;
    bool m_quiet = false;
};
