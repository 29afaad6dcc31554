#include "platform/autostart.h"

#include <QDir>

#include <windows.h>

#include <string>

namespace {

const wchar_t RunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

// The Run key of the current user, opened without creating it.
class RunKeyHandle final
{
public:
    explicit RunKeyHandle(REGSAM access)
    {
        if (RegOpenKeyExW(HKEY_CURRENT_USER, RunKey, 0, access, &m_key) != ERROR_SUCCESS)
            m_key = nullptr;
    }
    ~RunKeyHandle()
    {
        if (m_key)
            RegCloseKey(m_key);
    }
    RunKeyHandle(const RunKeyHandle &) = delete;
    RunKeyHandle &operator=(const RunKeyHandle &) = delete;

    HKEY get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

std::wstring valueName()
{
    return Autostart::EntryName.toStdWString();
}

class RegistryAutostart final : public Autostart
{
public:
    QStringList command() const override
    {
        const RunKeyHandle key(KEY_QUERY_VALUE);
        if (!key.get())
            return {};
        const std::wstring name = valueName();
        DWORD type = 0;
        DWORD size = 0;
        LONG rc = RegQueryValueExW(key.get(), name.c_str(), nullptr, &type, nullptr, &size);
        if (rc == ERROR_FILE_NOT_FOUND)
            return {};
        if (rc != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
            failRead();
        std::wstring data(size / sizeof(wchar_t) + 1, L'\0');
        rc = RegQueryValueExW(key.get(), name.c_str(), nullptr, &type,
                              reinterpret_cast<LPBYTE>(data.data()), &size);
        if (rc != ERROR_SUCCESS)
            failRead();
        // The stored text may or may not carry its terminating NUL.
        const QString text = QString::fromWCharArray(data.c_str());
        return text.isEmpty() ? QStringList() : QStringList{text};
    }

    void write(const QString &program) override
    {
        const RunKeyHandle key(KEY_SET_VALUE);
        if (!key.get())
            failWrite();
        const std::wstring data = QDir::toNativeSeparators(program).toStdWString();
        const DWORD bytes = DWORD((data.size() + 1) * sizeof(wchar_t));
        if (RegSetValueExW(key.get(), valueName().c_str(), 0, REG_SZ,
                           reinterpret_cast<const BYTE *>(data.c_str()), bytes) != ERROR_SUCCESS)
            failWrite();
    }

    void remove() override
    {
        const RunKeyHandle key(KEY_SET_VALUE);
        if (key.get())
            RegDeleteValueW(key.get(), valueName().c_str());
    }
};

} // namespace

std::unique_ptr<Autostart> Autostart::create()
{
    return std::make_unique<RegistryAutostart>();
}
