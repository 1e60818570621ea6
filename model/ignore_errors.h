#pragma once

#include <exception>

namespace pp {

// Runs one statement of a sequence whose failing statements are skipped without a message: an
// exception ends the statement, and the sequence goes on with the next one. The end of the
// program (a fatal message) is not an exception of this kind and passes through.
template <typename Statement>
void IgnoreErrors(Statement&& statement) noexcept(false) {
    try {
        statement();
    } catch (const std::exception&) {
    }
}

}  // namespace pp
