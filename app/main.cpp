// Korvane: 21 against the dealer, for play money, on a green table.
#include <QApplication>
#include <QStyleFactory>

#include "platform/qt/qt_table.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setApplicationName(QStringLiteral("Korvane"));
    korvane::QtTable table;
    table.show();
    return QApplication::exec();
}
