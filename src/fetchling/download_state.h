// What one download object knows about its current download: the local file, the flags,
// the bytes loaded and the announced size, and the response parser. Decides what each socket
// event leads to; the socket and the events themselves belong to the object. Plain C++.
#pragma once

#include "response_parser.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>

namespace fetchling {

// Appends bytes to a file (created when missing), opening and closing it for this one write.
bool appendToFile(const std::string& path, std::string_view bytes);

// Deletes the file if it exists, then checks that it can be created; the check leaves no file.
std::error_code prepareLocalFile(const std::string& path);

class DownloadState {
public:
    // What a received block, or the end of the connection, leads to.
    struct Outcome {
        bool progress = false;  // raise Progress(bytesLoaded(), announcedSize())
        bool finished = false;  // raise Finished
        bool failed = false;    // the download cannot go on: close the connection, raise nothing more
    };

    // A new download into `localFile`: clears the flags and bytes loaded; the announced size stays.
    void begin(std::string localFile);
    // One block as the socket delivered it.
    Outcome receive(std::string_view block);
    // The peer closed the connection.
    Outcome close();

    std::int32_t bytesLoaded() const;
    std::int32_t announcedSize() const { return announcedSize_; }
    int statusCode() const { return parser_.statusCode(); }
    bool finished() const { return finished_; }
    bool headerSeen() const { return headerSeen_; }
    // A block or the end of the connection led to a failure: the download cannot go on.
    bool failed() const { return failed_; }
    const std::string& localFile() const { return localFile_; }

private:
    Outcome store(std::string_view body);
    Outcome failure();

    ResponseParser parser_;
    std::string localFile_;
    bool finished_ = false;
    bool headerSeen_ = false;
    bool failed_ = false;
    std::int64_t bytesLoaded_ = 0;
    std::int32_t announcedSize_ = 0;  // belongs to the object: a new download keeps it
    std::string body_;                // reused buffer for the decoded bytes of one block
};

}  // namespace fetchling
