// The yardstick of the start-up benchmark: the least a Qt Widgets program shows (a dialog with
// a label, a line edit and a button), ending as soon as it is first drawn.
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Ends the program once the first paint of the dialog is through, as tallyman's start-up
// probe does for its prompt.
class QuitOnFirstPaint : public QObject {
public:
    explicit QuitOnFirstPaint(QWidget& window)
        : m_window(window)
    { }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (m_done || event->type() != QEvent::Paint)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == &m_window) {
            m_done = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    QWidget& m_window;
    bool m_done = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("Enter a name")));
    layout->addWidget(new QLineEdit);
    layout->addWidget(new QPushButton(QStringLiteral("OK")));
    QuitOnFirstPaint quit(dialog);
    application.installEventFilter(&quit);
    dialog.show();
    return application.exec();
}
