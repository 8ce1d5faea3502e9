#include "cli/LineReader.h"

#include <iostream>
#include <string>

LineReader::LineReader(QObject *parent)
    : QThread(parent)
{
}

void LineReader::run()
{
    std::string line;
    while (!isInterruptionRequested() && std::getline(std::cin, line))
        emit lineRead(QString::fromLocal8Bit(line.data(), int(line.size())));
    emit endOfInput();
}
