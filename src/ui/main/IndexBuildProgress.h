#pragma once
// What the window shows while a database made before the search indexes gets
// them, once, at start-up: after a moment a progress bar that keeps moving,
// 「検索用の索引を作成しています…」, with 中止. Stopping leaves the database as
// it was; searches then read every row, and the next start tries again.

#include "core/data/SearchIndex.h"

#include <QElapsedTimer>
#include <memory>

class QProgressDialog;
class QWidget;

class IndexBuildProgress
{
public:
    explicit IndexBuildProgress(QWidget *parent);
    ~IndexBuildProgress();

    // The observer to hand to the start-up step; valid while this object lives.
    SearchIndexBuildObserver observer();

    // How long a build runs before the dialog appears (tests make it 0).
    int delayMs = 400;

private:
    bool keepGoing();

    QWidget *m_parent;
    std::unique_ptr<QProgressDialog> m_dialog;
    QElapsedTimer m_clock;
};
