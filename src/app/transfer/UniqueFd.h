#pragma once
// A file descriptor closed on every path out of its scope.
#include <unistd.h>

class TUniqueFd {
public:
    explicit TUniqueFd(int fd = -1)
        : m_fd(fd)
    {
    }
    ~TUniqueFd()
    {
        if (m_fd >= 0) close(m_fd);
    }
    TUniqueFd(const TUniqueFd&) = delete;
    TUniqueFd& operator=(const TUniqueFd&) = delete;
    TUniqueFd(TUniqueFd&& other) noexcept
        : m_fd(other.Release())
    {
    }
    TUniqueFd& operator=(TUniqueFd&& other) noexcept
    {
        if (this != &other) Reset(other.Release());
        return *this;
    }

    void Reset(int fd)
    {
        if (m_fd >= 0) close(m_fd);
        m_fd = fd;
    }
    int Get() const { return m_fd; }
    // Hands the descriptor over; this no longer closes it.
    int Release()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }
    bool IsOpen() const { return m_fd >= 0; }
    // Closing can report a write error the kernel held back (network file systems).
    int Close()
    {
        const int rc = close(m_fd);
        m_fd = -1;
        return rc;
    }

private:
    int m_fd;
};
