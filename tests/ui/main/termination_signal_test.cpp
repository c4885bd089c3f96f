#include "ui/termination_signal.h"

#include <QApplication>
#include <QDialog>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace {

// Ending by a signal ends the process, so every case runs in a child of its own (a death test,
// started anew rather than forked, since Qt has threads). Should the signal not end the child,
// its dialogs close after a while and it returns: the case fails instead of blocking the suite.
void closeLater(QDialog& dialog)
{
    QTimer::singleShot(20000, &dialog, &QDialog::reject);
}

// The signal is raised from the loop of a modal dialog opened inside another one, as the folder
// search's message boxes are.
void raiseInsideNestedModalDialogs(int signal, std::function<void()> beforeEnd)
{
    QDialog outer;
    endOnTerminationSignal(&outer, std::move(beforeEnd));
    QTimer::singleShot(0, &outer, [signal, &outer] {
        QDialog inner(&outer);
        QTimer::singleShot(0, &inner, [signal] { ::raise(signal); });
        closeLater(inner);
        inner.exec();
    });
    closeLater(outer);
    outer.exec();
}

void reportThread()
{
    std::fprintf(stderr, "before the end, on the window thread: %d\n",
                 QThread::currentThread() == QCoreApplication::instance()->thread());
}

TEST(TerminationSignal, RunsTheCallbackThenEndsByTheSignalInsideNestedModalDialogs)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        EXPECT_EXIT(raiseInsideNestedModalDialogs(signal, reportThread), ::testing::KilledBySignal(signal),
                    "before the end, on the window thread: 1")
            << signal;
    }
}

// A second request to end does not wait for the first one's callback.
TEST(TerminationSignal, ASecondSignalEndsAtOnce)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const auto raiseAgain = [] {
        ::raise(SIGTERM);
        std::_Exit(7);
    };
    EXPECT_EXIT(raiseInsideNestedModalDialogs(SIGTERM, raiseAgain), ::testing::KilledBySignal(SIGTERM), "");
}

} // namespace
