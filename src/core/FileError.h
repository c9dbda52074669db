// A failure of the file layer: a code in the classic BASIC numbering and its description.
//
// The file layer reports failures one way: an operation that yields a value gives a
// FileResult, which holds the value or the FileError that stopped it; one that yields nothing
// gives a std::optional<FileError>, empty when it succeeded. The field streams (reading and
// writing fields one by one) keep a stream's state instead: a failed step, then error().
#pragma once

#include <string>
#include <type_traits>
#include <utility>
#include <variant>

namespace swatchly {

struct FileError
{
    int code = 0;
    std::string description;

    friend bool operator==(const FileError &, const FileError &) = default;
};

namespace fileErrors {
inline const FileError TypeMismatch { 13, "Type mismatch" };
inline const FileError FileNotFound { 53, "File not found" };
inline const FileError DiskFull { 61, "Disk full" };
inline const FileError InputPastEndOfFile { 62, "Input past end of file" };
inline const FileError PermissionDenied { 70, "Permission denied" };
inline const FileError PathFileAccessError { 75, "Path/File access error" };
} // namespace fileErrors

template<typename T> class FileResult
{
public:
    template<typename U,
             typename = std::enable_if_t<std::is_constructible_v<T, U &&> &&
                                         !std::is_same_v<std::remove_cvref_t<U>, FileError>>>
    FileResult(U &&value)
        : m_outcome(std::in_place_index<0>, std::forward<U>(value))
    { }
    FileResult(FileError error)
        : m_outcome(std::in_place_index<1>, std::move(error))
    { }

    explicit operator bool() const { return m_outcome.index() == 0; }
    T &operator*() { return std::get<0>(m_outcome); }
    const T &operator*() const { return std::get<0>(m_outcome); }
    T *operator->() { return &std::get<0>(m_outcome); }
    const T *operator->() const { return &std::get<0>(m_outcome); }
    // The failure; only when there is no value.
    const FileError &error() const { return std::get<1>(m_outcome); }

private:
    std::variant<T, FileError> m_outcome;
};

} // namespace swatchly
