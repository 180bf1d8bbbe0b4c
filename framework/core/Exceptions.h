#pragma once
// The framework's exceptions. Every failure the framework reports is one of these.

#include <stdexcept>
#include <string>

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : FMessage(std::move(message)) {}
    const char* what() const noexcept override { return FMessage.c_str(); }
    const std::string& Message() const { return FMessage; }

private:
    std::string FMessage;
};

// A file or stream that is not an image the framework can read.
class EInvalidGraphic : public Exception {
public:
    using Exception::Exception;
    EInvalidGraphic(std::string message, std::string detail)
        : Exception(std::move(message)), FDetail(std::move(detail)) {}
    // Why the data was refused, in English, for tools and logs; empty when not known.
    const std::string& Detail() const { return FDetail; }

private:
    std::string FDetail;
};

// Misuse of a component: a duplicate name, a registration with no design environment.
class EComponentError : public Exception {
public:
    using Exception::Exception;
};

// A stored form description that does not fit the classes it names.
class EReadError : public Exception {
public:
    using Exception::Exception;
};

class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// An object handed where a different class is required (an event's sender of the wrong class).
class EInvalidCast : public Exception {
public:
    using Exception::Exception;
};

class EFOpenError : public Exception {
public:
    using Exception::Exception;
};

class EOutOfResources : public Exception {
public:
    using Exception::Exception;
};

// The framework's own message texts.
namespace msg {
inline constexpr const char* InvalidBitmap = "ビットマップイメージが不正です";
inline constexpr const char* InvalidCast = "無効な型キャストです";
inline constexpr const char* NoDesignEnvironment =
    "コンポーネントを登録できません: 設計環境がありません";
} // namespace msg
