// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

// A window as bare as Qt Widgets makes one: the main window's size, with as many labels and
// line edits as it has, and nothing else. What it takes in memory is what the main window
// should take, give or take.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const int labels = arguments.value(1).toInt(), fields = arguments.value(2).toInt();
    QWidget window;
    window.setFixedSize(arguments.value(3).toInt(), arguments.value(4).toInt());
    for (int i = 0; i < labels; ++i)
        (new QLabel(QStringLiteral("Label %1").arg(i), &window))->move(10, 10 + 12 * i);
    for (int i = 0; i < fields; ++i)
        (new QLineEdit(QStringLiteral("0"), &window))->move(200, 10 + 12 * i);
    window.show();
    return application.exec();
}
