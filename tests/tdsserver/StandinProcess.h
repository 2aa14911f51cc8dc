#pragma once

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <thread>

// A tds_standin process on a fresh temporary folder and any free port, stopped and cleaned
// up on destruction.
class StandinProcess {
public:
    StandinProcess()
    {
        std::random_device random;
        m_password = "pw" + std::to_string(random()) + std::to_string(random());
        m_folder = std::filesystem::temp_directory_path() / ("tds_standin_test_" + std::to_string(getpid()) + "_" +
                                                             std::to_string(random()));
        std::filesystem::create_directories(m_folder);
        const std::string portFile = (m_folder / "port").string();
        const std::string folder = m_folder.string();
        m_pid = fork();
        if (m_pid == 0) {
            execl(TDS_STANDIN_PATH, TDS_STANDIN_PATH, "--dir", folder.c_str(), "--user", "sa", "--password",
                  m_password.c_str(), "--port", "0", "--port-file", portFile.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        for (int i = 0; i < 200 && m_port.empty(); ++i) {
            std::ifstream in(portFile);
            std::getline(in, m_port);
            if (m_port.empty())
                std::this_thread::sleep_for(std::chrono::milliseconds(25));
        }
    }

    ~StandinProcess()
    {
        if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            waitpid(m_pid, nullptr, 0);
        }
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }

    StandinProcess(const StandinProcess&) = delete;
    StandinProcess& operator=(const StandinProcess&) = delete;

    bool Started() const { return !m_port.empty(); }
    const std::string& Password() const { return m_password; }
    const std::filesystem::path& Folder() const { return m_folder; }

    std::string ConnectionText(const std::string& password, const std::string& database = "tabrix_test") const
    {
        return "Provider=SQLOLEDB.1;User ID=sa;pwd=" + password + ";Initial Catalog=" + database +
               ";Data Source=127.0.0.1," + m_port;
    }
    std::string ConnectionText() const { return ConnectionText(m_password); }

private:
    std::filesystem::path m_folder;
    std::string m_password;
    std::string m_port;
    pid_t m_pid = -1;
};
