#pragma once

#include <thread>

// Fontconfig's own start (reading its configuration and caches, the longest
// step before the first window) begun on a second thread at the first line
// of main, beside the start of the application, which needs no font.
class Aquecimento {
public:
    Aquecimento();
    ~Aquecimento();
    Aquecimento(const Aquecimento&) = delete;
    Aquecimento& operator=(const Aquecimento&) = delete;

    // Called once the application exists and before the first font: loads the
    // SQLite driver meanwhile, then waits for fontconfig, so that Qt's font
    // database never starts it a second time beside the worker.
    void concluir();

private:
    std::thread m_fontes;
};
