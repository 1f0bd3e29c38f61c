#include "error_box.h"

#include <QApplication>
#include <QMessageBox>

#include <iostream>

namespace fetchling {

std::string errorText(int number, const std::string& description) {
    return "Fehler!\nError: " + std::to_string(number) + "\n" + description;
}

void showErrorBox(int number, const std::string& description) {
    const std::string text = errorText(number, description);
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
        QMessageBox::critical(nullptr, QStringLiteral("Fetchling"), QString::fromStdString(text));
    } else {
        std::cerr << text << std::endl;
    }
}

}  // namespace fetchling
