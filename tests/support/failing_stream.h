#pragma once
// A stream over a text that fails part-way, as reading a file from a failing disk does: it gives the
// first `failAt` bytes and then throws from its buffer, which the stream turns into its bad state.
#include <algorithm>
#include <cstddef>
#include <ios>
#include <istream>
#include <memory>
#include <streambuf>
#include <string>

namespace tarvelon::testing {

class FailingStreamBuf : public std::streambuf {
public:
    FailingStreamBuf(std::string text, std::size_t failAt) : text_(std::move(text)), failAt_(failAt) {}

protected:
    int_type underflow() override
    {
        if (gptr() < egptr())
            return traits_type::to_int_type(*gptr());
        if (served_ >= text_.size())
            return traits_type::eof();
        if (served_ >= failAt_)
            throw std::ios_base::failure("read error");
        // A few bytes at a time, so the failure comes in the middle of the reader's work.
        const std::size_t count = std::min<std::size_t>({7, text_.size() - served_, failAt_ - served_});
        char* start = text_.data() + served_;
        setg(start, start, start + count);
        served_ += count;
        return traits_type::to_int_type(*gptr());
    }

private:
    std::string text_;
    std::size_t failAt_;
    std::size_t served_ = 0;
};

class FailingStream : public std::istream {
public:
    FailingStream(std::string text, std::size_t failAt) : std::istream(nullptr), buffer_(std::move(text), failAt)
    {
        rdbuf(&buffer_);
    }

private:
    FailingStreamBuf buffer_;
};

}  // namespace tarvelon::testing
