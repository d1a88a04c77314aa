// The bare comparison program: one window with a line edit, a plain-text editor and a
// push button, straight on the toolkit, the size of Quendrel's main window, that ends
// once it is shown. Given a count, its editor first gets that many report-sized texts
// of 99 rows, as a reference for what the toolkit itself spends on holding them.
#include "bench/FirstExposeProbe.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdlib>

namespace {

// 12 lines of heading, rules and footer around 99 rows of 74 characters.
QString ReportSizedText() {
    QStringList lines(12, QString(40, '='));
    for (int row = 0; row < 99; ++row) lines << QString("var%1").arg(row).leftJustified(21) + QString(53, ' ');
    return lines.join('\n');
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ExitOnFirstExpose();
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* editor = new QPlainTextEdit;
    layout->addWidget(new QLineEdit);
    layout->addWidget(editor);
    layout->addWidget(new QPushButton("Load Data"));
    const int reports = argc > 1 ? std::atoi(argv[1]) : 0;
    for (int i = 0; i < reports; ++i) editor->appendPlainText(ReportSizedText());
    window.resize(700, 600);
    window.show();
    return app.exec();
}
