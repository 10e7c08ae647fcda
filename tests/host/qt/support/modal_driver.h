// Acts inside modal loops for Qt tests. A test queues one action per modal window it expects,
// then starts what shows them (a form's Show, a message box); each action runs, in order, on
// the next modal window that no earlier action was given, and may itself open further modal
// windows for the actions after it. A window nobody acts on, or an action whose window never
// comes, fails the test after the timeout and closes every modal window, so the test ends
// instead of hanging.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <deque>
#include <exception>
#include <functional>
#include <vector>

namespace norvel::tests {

class ModalDriver {
  public:
    using Action = std::function<void(QWidget* modal)>;

    explicit ModalDriver(std::chrono::milliseconds timeout = std::chrono::seconds(10))
        : timeout_(timeout) {
        waiting_.start();
        schedulePoll();
    }

    ~ModalDriver() {
        if (!actions_.empty() && !failed_)
            fail(QStringLiteral("%1 action(s) for modal windows never ran").arg(actions_.size()));
    }

    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    void whenModalShown(Action action) { actions_.push_back(std::move(action)); }

    // True when every queued action ran and nothing timed out.
    bool allRan() const { return actions_.empty() && !failed_; }
    int actionsRun() const { return actionsRun_; }

    // Closes every modal window, innermost first, whatever its contents say.
    static void closeAllModalWindows() {
        for (int guard = 0; guard < 32; ++guard) {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr)
                return;
            if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                dialog->done(QDialog::Rejected);
            } else {
                modal->hide();
            }
        }
    }

  private:
    static constexpr int kPollMilliseconds = 10;

    // A fresh single-shot timer each time: a repeating timer would not fire again while its
    // own action runs a nested modal loop.
    void schedulePoll() {
        QTimer::singleShot(kPollMilliseconds, &context_, [this] { poll(); });
    }

    bool alreadyGiven(const QWidget* widget) const {
        for (const QPointer<QWidget>& given : given_)
            if (given == widget)
                return true;
        return false;
    }

    void poll() {
        schedulePoll();
        if (failed_)
            return;
        QWidget* modal = QApplication::activeModalWidget();
        bool fresh = modal != nullptr && modal->isVisible() && !alreadyGiven(modal);
        if (fresh && !actions_.empty()) {
            Action action = std::move(actions_.front());
            actions_.pop_front();
            given_.push_back(modal);
            ++actionsRun_;
            waiting_.restart();
            run(action, modal);
            waiting_.restart();
            return;
        }
        if (!fresh && actions_.empty()) {
            waiting_.restart();  // nothing to do, nothing waited for
            return;
        }
        if (waiting_.elapsed() < timeout_.count())
            return;
        if (fresh) {
            fail(QStringLiteral("a modal window appeared that no action answers: %1 \"%2\"")
                     .arg(QString::fromLatin1(modal->metaObject()->className()),
                          modal->windowTitle()));
        } else {
            fail(QStringLiteral("no modal window appeared for action %1").arg(actionsRun_ + 1));
        }
    }

    void run(const Action& action, QWidget* modal) {
        try {
            action(modal);
        } catch (const std::exception& error) {
            fail(QStringLiteral("an action threw: %1").arg(QString::fromUtf8(error.what())));
        } catch (...) {
            fail(QStringLiteral("an action threw"));
        }
        // A failed check inside the action returned early: unblock the test.
        if (QTest::currentTestFailed() && !failed_) {
            failed_ = true;
            actions_.clear();
            closeAllModalWindows();
        }
    }

    void fail(const QString& message) {
        failed_ = true;
        actions_.clear();
        QTest::qFail(qPrintable(QStringLiteral("ModalDriver: ") + message), __FILE__, __LINE__);
        closeAllModalWindows();
    }

    std::chrono::milliseconds timeout_;
    QObject context_;
    std::deque<Action> actions_;
    std::vector<QPointer<QWidget>> given_;
    QElapsedTimer waiting_;
    int actionsRun_ = 0;
    bool failed_ = false;
};

}  // namespace norvel::tests
