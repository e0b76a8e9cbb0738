#include "app/ui/report_output.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTextDocument>
#include <QTextEdit>

#include "app/ui/messages.h"
#include "app/ui/qtgbk.h"

namespace mirevo {
namespace {

SaveDialogHook g_save_hook;
PrintHook g_print_hook;

constexpr double kMarginMm = 12.7;
constexpr double kHeaderFooterMm = 6.35;

void PrintDocument(const QTextEdit* pane, QPrinter* printer) {
  std::unique_ptr<QTextDocument> doc(pane->document()->clone());
  doc->setDefaultFont(pane->font());
  doc->print(printer);
}

}  // namespace

void SetSaveDialogHook(SaveDialogHook hook) { g_save_hook = std::move(hook); }
void SetPrintHook(PrintHook hook) { g_print_hook = std::move(hook); }

ReportLines PaneLines(const QTextEdit* pane) {
  ReportLines lines;
  if (pane->toPlainText().isEmpty()) return lines;
  const QStringList text = pane->toPlainText().split(QLatin1Char('\n'));
  for (const QString& line : text) {
    try {
      lines.push_back(ToGbk(line));
    } catch (const GbkError&) {
      // A pane may be edited by hand; what GBK cannot hold is left out.
      QString kept;
      for (QChar ch : line)
        if (!ch.isSurrogate()) kept += ch;
      try {
        lines.push_back(ToGbk(kept));
      } catch (const GbkError&) {
        lines.push_back(Gbk());
      }
    }
  }
  return lines;
}

void SaveReportAsText(QWidget* parent, const QTextEdit* pane, const Gbk& proposed_name) {
  const ReportLines lines = PaneLines(pane);
  if (IsBlankReport(lines)) return;
  const QString title = QStringLiteral("保存");
  const QString filter = QStringLiteral("文本文件 (*.txt)");
  const QString file_name = ToQString(DialogFileName(proposed_name));
  std::optional<QString> chosen;
  if (g_save_hook) {
    chosen = g_save_hook(parent, title, file_name, filter);
  } else {
    QFileDialog dialog(parent, title, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!file_name.isEmpty()) dialog.selectFile(file_name);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) chosen = dialog.selectedFiles().first();
  }
  if (!chosen || chosen->isEmpty()) return;
  const QString target = *chosen + QStringLiteral(".txt");
  const std::string reason = WriteReportFile(target.toStdString(), lines);
  if (!reason.empty())
    ShowInformation(parent, QStringLiteral("无法保存文件 %1：%2").arg(target, ToQString(reason)));
}

void SetupReportPrinter(QPrinter& printer) {
  printer.setPageSize(QPageSize(QPageSize::A4));
  // The header and footer spaces stay empty, so they simply widen the top and
  // bottom margins.
  printer.setPageMargins(QMarginsF(kMarginMm, kMarginMm + kHeaderFooterMm, kMarginMm, kMarginMm + kHeaderFooterMm),
                         QPageLayout::Millimeter);
}

void PrintReport(QWidget* parent, const QTextEdit* pane) {
  if (g_print_hook) return g_print_hook(pane);
  if (QPrinterInfo::defaultPrinter().isNull()) {
    ShowErrorBox(parent, QStringLiteral("没有可用的打印机，无法打印。"));
    return;
  }
  QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
  SetupReportPrinter(printer);
  printer.setCopyCount(1);
  PrintDocument(pane, &printer);
  if (printer.printerState() == QPrinter::Error) ShowErrorBox(parent, QStringLiteral("打印失败。"));
}

void ReportPageSetup(QWidget* parent, const QTextEdit* pane) {
  // Errors of the page setup are not reported (there is nothing the user could do).
  QPrinter printer(QPrinter::HighResolution);
  SetupReportPrinter(printer);
  QDialog dialog(parent);
  dialog.setWindowTitle(QStringLiteral("打印设置"));
  auto* layout = new QHBoxLayout(&dialog);
  auto* page = new QPushButton(QStringLiteral("页面设置..."), &dialog);
  auto* preview = new QPushButton(QStringLiteral("打印预览..."), &dialog);
  auto* print = new QPushButton(QStringLiteral("打印..."), &dialog);
  auto* close = new QPushButton(QStringLiteral("关闭"), &dialog);
  for (auto* b : {page, preview, print, close}) layout->addWidget(b);
  QObject::connect(page, &QPushButton::clicked, &dialog, [&] {
    QPageSetupDialog setup(&printer, &dialog);
    setup.exec();
  });
  QObject::connect(preview, &QPushButton::clicked, &dialog, [&] {
    QPrintPreviewDialog pd(&printer, &dialog);
    QObject::connect(&pd, &QPrintPreviewDialog::paintRequested, &pd, [&](QPrinter* p) { PrintDocument(pane, p); });
    pd.exec();
  });
  QObject::connect(print, &QPushButton::clicked, &dialog, [&] {
    QPrintDialog pd(&printer, &dialog);
    if (pd.exec() == QDialog::Accepted) PrintDocument(pane, &printer);
  });
  QObject::connect(close, &QPushButton::clicked, &dialog, &QDialog::accept);
  dialog.exec();
}

void CopyLinesToClipboard(const QStringList& lines) {
  QApplication::clipboard()->setText(lines.join(QLatin1Char('\n')));
}

}  // namespace mirevo
