// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Numbloom start-up floor"));
    label.setWindowTitle(QStringLiteral("About Numbloom"));
    label.setFixedSize(469, 237); // the About window: 7035 x 3555 twips
    label.show();
    return app.exec();
}
