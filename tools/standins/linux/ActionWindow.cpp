#include "tools/standins/ActionWindow.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

namespace standin {

namespace {

// The exported file must exist, so that the companion tool finds something beside it.
void MakeFileIfMissing(const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.exists() && file.open(QIODevice::WriteOnly)) {
        file.write("stand-in export\n");
    }
}

}  // namespace

std::optional<Action> ChooseAction(int& argc, char** argv, const std::string& title,
                                   const std::vector<Choice>& choices,
                                   const std::string& defaultFile) {
    QApplication application(argc, argv);
    QDialog window;
    window.setWindowTitle(QString::fromStdString(title));
    // The widgets end before the window that shows them.
    QVBoxLayout layout(&window);
    QLabel label("File to export:");
    QLineEdit file(QString::fromStdString(defaultFile));
    layout.addWidget(&label);
    layout.addWidget(&file);
    std::optional<Action> chosen;
    std::vector<std::unique_ptr<QPushButton>> buttons;
    for (const Choice& choice : choices) {
        buttons.push_back(std::make_unique<QPushButton>(QString::fromStdString(choice.label)));
        layout.addWidget(buttons.back().get());
        QObject::connect(buttons.back().get(), &QPushButton::clicked, &window, [&, choice] {
            chosen = Action{choice.verb, choice.argument};
            if (choice.argument.empty() && choice.verb != "nothing") {
                MakeFileIfMissing(file.text());
                chosen->argument = file.text().toStdString();
            }
            window.accept();
        });
    }
    window.exec();
    return chosen;
}

}  // namespace standin
