// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

// The real desktop's questions, answered by keyboard as a user answers them.

#include "app/qtplatform.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace pelmora;

class TestQtPlatform : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void questionsAnswerToTheirAccessKeys_data()
    {
        QTest::addColumn<QKeyCombination>("keys");
        QTest::addColumn<QString>("answer");
        QTest::newRow("Alt+S saves") << QKeyCombination(Qt::AltModifier, Qt::Key_S) << "save";
        QTest::newRow("Alt+D discards") << QKeyCombination(Qt::AltModifier, Qt::Key_D) << "discard";
        QTest::newRow("Escape cancels") << QKeyCombination(Qt::Key_Escape) << "cancel";
        QTest::newRow("Alt+O opens over the figures typed") << QKeyCombination(Qt::AltModifier, Qt::Key_O) << "open";
        QTest::newRow("Escape keeps the figures typed") << QKeyCombination(Qt::Key_Escape) << "keep";
    }
    void questionsAnswerToTheirAccessKeys()
    {
        QFETCH(QKeyCombination, keys);
        QFETCH(QString, answer);
        QtPlatform platform;
        QWidget owner;
        owner.show();
        QString asked;
        QTimer::singleShot(0, this, [&] {
            QVERIFY(QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }));
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            asked = box->text();
            QApplication::setActiveWindow(box);
            QVERIFY(QTest::qWaitForWindowActive(box));
            QTest::keyClick(box, keys.key(), keys.keyboardModifiers());
            // An access key presses its button after a moment; keys that do nothing must not hang the test.
            if (!QTest::qWaitFor([box] { return !box->isVisible(); }, 1000))
                box->done(-1);
        });
        QString given;
        if (answer == u"open" || answer == u"keep") {
            given = platform.askToDiscardFigures(&owner) ? QStringLiteral("open") : QStringLiteral("keep");
            QCOMPARE(asked, QStringLiteral("Discard the figures typed?"));
        } else {
            const auto said = platform.askToSaveChanges(&owner, QStringLiteral("year.pelmora"));
            given = said == Platform::UnsavedChanges::Save      ? QStringLiteral("save")
                    : said == Platform::UnsavedChanges::Discard ? QStringLiteral("discard")
                                                                : QStringLiteral("cancel");
            QCOMPARE(asked, QStringLiteral("Save changes to year.pelmora?"));
        }
        QCOMPARE(given, answer);
    }
};

QTEST_MAIN(TestQtPlatform)
#include "tst_qtplatform.moc"
