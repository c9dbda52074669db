// Answering a modal dialog that a test's next step opens and waits for.
#pragma once

#include <QApplication>
#include <QTimer>

#include <functional>
#include <memory>

namespace swatchly::test {

// Runs answer on the next modal dialog of this kind once it is shown; rejects it afterwards if
// answer left it open, so that a test never hangs on it.
template<typename Dialog> void whenShown(std::function<void(Dialog *)> answer)
{
    auto attempt = std::make_shared<std::function<void(int)>>();
    // Only the pending timer owns the attempt; holding itself strongly would never free it.
    std::weak_ptr<std::function<void(int)>> self = attempt;
    *attempt = [answer, self](int triesLeft) {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        if (dialog) {
            answer(dialog);
            if (dialog->isVisible())
                dialog->reject();
            return;
        }
        if (auto next = self.lock(); next && triesLeft > 0)
            QTimer::singleShot(20, [next, triesLeft] { (*next)(triesLeft - 1); });
    };
    QTimer::singleShot(0, [attempt] { (*attempt)(250); });
}

} // namespace swatchly::test
