#include "TEFDemoForms.h"

#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>
#include <utility>

namespace {

QString text(DemoLanguage language, const char* german, const char* english) {
    return QString::fromUtf8(language == DemoLanguage::German ? german : english);
}

} // namespace

QIcon demoProgramIcon() {
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(30, 110, 200));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(2, 2, 28, 28), 5, 5);
    painter.setBrush(QColor(250, 200, 40));
    painter.drawRect(QRectF(8, 8, 7, 16));
    painter.drawRect(QRectF(17, 8, 7, 16));
    return QIcon(picture);
}

std::unique_ptr<QMainWindow> makeDemoMainWindow(DemoLanguage language) {
    auto window = std::make_unique<QMainWindow>();
    window->setObjectName(QStringLiteral("Form1"));
    window->setWindowTitle(QStringLiteral("Brimvale Parcelon 1.4"));
    window->setWindowIcon(demoProgramIcon());
    const std::pair<const char*, const char*> menus[] = {
        {"Datei", "File"}, {"Ansicht", "View"}, {"Optionen", "Options"}};
    for (const auto& [german, english] : menus)
        window->menuBar()->addMenu(text(language, german, english));
    window->menuBar()->addMenu(QStringLiteral("?"));
    QToolBar* tools = window->addToolBar(QStringLiteral("tools"));
    tools->addAction(text(language, "Trennen", "Split"));
    tools->addAction(text(language, "Zusammenfügen", "Join"));
    tools->addAction(text(language, "Einstellungen", "Settings"));
    auto* list = new QTreeWidget;
    list->setHeaderLabels({text(language, "Dateiname", "File name"), text(language, "Ordner", "Folder"),
                           text(language, "Größe", "Size"), text(language, "Datum", "Date")});
    list->addTopLevelItem(new QTreeWidgetItem({QStringLiteral("film.avi"), QStringLiteral("/home/anna/"),
                                               QStringLiteral("734003200"), QStringLiteral("12.03.2024 18:22")}));
    window->setCentralWidget(list);
    window->statusBar()->showMessage(text(language, "Bereit", "Ready"));
    window->resize(505, 388);
    return window;
}

std::unique_ptr<QDialog> makeDemoDialog(DemoLanguage language) {
    auto dialog = std::make_unique<QDialog>();
    dialog->setObjectName(QStringLiteral("Form6"));
    dialog->setWindowTitle(text(language, "Zielordner wählen", "Select Destination Folder"));
    dialog->setFixedSize(416, 326);
    auto* label =
        new QLabel(text(language, "Wählen Sie einen Zielordner", "Select a Destination Folder"), dialog.get());
    label->setGeometry(8, 8, 400, 20);
    auto* folders = new QListWidget(dialog.get());
    folders->addItems({QStringLiteral("/home/anna/"), QStringLiteral("/home/anna/Videos/"), QStringLiteral("/media/")});
    folders->setGeometry(8, 32, 400, 240);
    auto* ok = new QPushButton(QStringLiteral("OK"), dialog.get());
    ok->setGeometry(232, 288, 80, 28);
    auto* cancel = new QPushButton(text(language, "Abbrechen", "Cancel"), dialog.get());
    cancel->setGeometry(320, 288, 88, 28);
    return dialog;
}
