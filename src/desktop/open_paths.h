#pragma once
// Scenario files that come without File > Open's dialog: a path on the command line and a file
// dropped on the window. Both run the Open steps after the dialog (FinCalc::openScenario), with
// the same silent failures.

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

class QMimeData;

namespace selvane {

// The file a command line names: the first argument that is no option ("-x", "--x"; every
// argument after "--" is a file), made absolute as the Open dialog's answer is. Empty when
// there is none. arguments[0] is the program and is skipped; Qt's own options are expected to be
// removed already (QApplication does so from argv). The arguments are argv's bytes: a name that
// is not valid UTF-8 opens as `selvane-cli`'s `open` opens it.
std::string scenarioArgument(const std::vector<std::string>& arguments);

// The first local file a drag carries, absolute; empty when it carries none (text, a web
// address), and then the drop is refused.
QString droppedFile(const QMimeData* data);

// Takes drags of files over a window and its children: the drag shows it can drop, and a drop
// hands the first file to open. Other drags are left to the widget under them (a field still
// takes dropped text), and a window refuses them. Installed on the window and on each child
// that accepts drops.
class ScenarioDropFilter : public QObject {
    Q_OBJECT

  public:
    ScenarioDropFilter(QWidget* window, std::function<void(const QString&)> open);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void(const QString&)> m_open;
};

} // namespace selvane
