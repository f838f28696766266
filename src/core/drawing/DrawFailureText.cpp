#include "core/drawing/DrawFailureText.h"

#include "core/layout/LayoutStatus.h"

namespace {

QString japanese(const DrawResult &r)
{
    using F = DrawResult::Failure;
    switch (r.failure) {
    case F::None:
        return QString();
    case F::BadNumber:
        return QStringLiteral("スタイルデータの%1行目、%2番目の値「%3」が数値ではありません。")
            .arg(r.line + 1)
            .arg(r.field)
            .arg(r.fieldText.left(40));
    case F::PageTooLarge:
        return QStringLiteral("用紙が大きすぎて描画できません（%1 × %2 ピクセル）。").arg(r.pageWidth).arg(r.pageHeight);
    case F::PdfNotWritten:
        return QStringLiteral("PDFファイルを書き込めませんでした。\n%1").arg(r.target);
    case F::PrinterNotStarted:
        return QStringLiteral("プリンター「%1」で印刷を開始できませんでした。").arg(r.target);
    case F::PageRefused:
        return QStringLiteral("プリンターが%1ページ目を受け付けませんでした。").arg(r.page);
    case F::JobNotFinished:
        return QStringLiteral("印刷を最後まで終えられませんでした。");
    }
    return QString();
}

} // namespace

void SetDrawFailure(DrawResult &result, DrawResult::Failure failure)
{
    result.ok = failure == DrawResult::Failure::None;
    result.failure = failure;
    result.message = japanese(result);
}

QString DrawFailureNotice(const DrawResult &result, const QString &styleFile)
{
    if (result.failure != DrawResult::Failure::BadNumber)
        return result.message.isEmpty() ? japanese(result) : result.message;
    // Worded from the facts, so that a notice made twice names the file once.
    const QString file = styleFile.isEmpty() ? QString() : QStringLiteral("\nスタイルファイル: ") + styleFile;
    return japanese(result) + file + u'\n' + StyleRestoreAdvice();
}

QString DrawFailureInEnglish(const DrawResult &r)
{
    using F = DrawResult::Failure;
    switch (r.failure) {
    case F::None:
        return QString();
    case F::BadNumber:
        return QStringLiteral("layout line %1, field %2: \"%3\" is not a valid number")
            .arg(r.line + 1)
            .arg(r.field)
            .arg(r.fieldText.left(40));
    case F::PageTooLarge:
        return QStringLiteral("the page of %1 x %2 pixels is too large to draw").arg(r.pageWidth).arg(r.pageHeight);
    case F::PdfNotWritten:
        return QStringLiteral("the PDF file %1 could not be written").arg(r.target);
    case F::PrinterNotStarted:
        return QStringLiteral("the printer %1 could not be started").arg(r.target);
    case F::PageRefused:
        return QStringLiteral("the printer refused page %1").arg(r.page);
    case F::JobNotFinished:
        return QStringLiteral("the print job could not be finished");
    }
    return QString();
}
