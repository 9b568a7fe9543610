// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PulsePlayer.h"

#include <pulse/pulseaudio.h>

#include <algorithm>

namespace {

// A click that could not sound within this time after the move is stale: a server that
// answers late must not click out of nowhere.
constexpr std::chrono::seconds kStaleAfter{1};

pa_proplist* ApplicationProperties() {
    pa_proplist* props = pa_proplist_new();
    pa_proplist_sets(props, PA_PROP_APPLICATION_NAME, "Quorvane");
    pa_proplist_sets(props, PA_PROP_APPLICATION_ID, "invalid.quorvane.Quorvane");
    pa_proplist_sets(props, PA_PROP_APPLICATION_ICON_NAME, "invalid.quorvane.Quorvane");
    return props;
}

}  // namespace

PulsePlayer::~PulsePlayer() {
    if (loop_ == nullptr) {
        return;
    }
    pa_threaded_mainloop_stop(loop_);
    StopStream();
    DropContext();
    pa_threaded_mainloop_free(loop_);
}

void PulsePlayer::Play(std::shared_ptr<const SoundClip> clip,
                       std::chrono::steady_clock::time_point requested) {
    if (loop_ == nullptr) {
        loop_ = pa_threaded_mainloop_new();
        if (loop_ != nullptr && pa_threaded_mainloop_start(loop_) < 0) {
            pa_threaded_mainloop_free(loop_);
            loop_ = nullptr;
        }
        if (loop_ == nullptr) {
            return;
        }
    }
    // The lock is held by the player's thread only while it handles an event, never while
    // it waits for the server.
    pa_threaded_mainloop_lock(loop_);
    clip_ = std::move(clip);
    pending_ = true;
    requested_ = requested;
    pa_mainloop_api_once(pa_threaded_mainloop_get_api(loop_),
                         [](pa_mainloop_api*, void* self) { Kick(self); }, this);
    pa_threaded_mainloop_unlock(loop_);
}

void PulsePlayer::Kick(void* self) {
    auto* player = static_cast<PulsePlayer*>(self);
    if (!player->pending_) {
        return;  // an earlier kick already started this clip
    }
    player->StopStream();
    const pa_context_state_t state = player->context_ != nullptr
                                         ? pa_context_get_state(player->context_)
                                         : PA_CONTEXT_TERMINATED;
    if (!PA_CONTEXT_IS_GOOD(state)) {
        player->Connect();  // the first sound, or the server went away since the last one
    } else if (state == PA_CONTEXT_READY) {
        player->StartStream();
    }  // else still connecting: ContextChanged starts the clip when ready
}

void PulsePlayer::DropContext() {
    if (context_ == nullptr) {
        return;
    }
    pa_context_set_state_callback(context_, nullptr, nullptr);
    pa_context_disconnect(context_);
    pa_context_unref(context_);
    context_ = nullptr;
}

void PulsePlayer::Connect() {
    DropContext();
    pa_proplist* props = ApplicationProperties();
    context_ = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(loop_), "Quorvane",
                                            props);
    pa_proplist_free(props);
    if (context_ == nullptr) {
        return;
    }
    pa_context_set_state_callback(context_, ContextChanged, this);
    // A failure shows as the FAILED state; the next click tries again.
    pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr);
}

void PulsePlayer::ContextChanged(pa_context* context, void* self) {
    auto* player = static_cast<PulsePlayer*>(self);
    if (pa_context_get_state(context) == PA_CONTEXT_READY && player->pending_) {
        player->StartStream();
    }
}

void PulsePlayer::StartStream() {
    pending_ = false;
    const pa_sample_spec format{PA_SAMPLE_S16NE, clip_->rate, clip_->channels};
    pa_proplist* props = ApplicationProperties();
    // An event sound: the mixer applies its system-sounds volume to it.
    pa_proplist_sets(props, PA_PROP_MEDIA_ROLE, "event");
    stream_ = pa_stream_new_with_proplist(context_, "Move", &format, nullptr, props);
    pa_proplist_free(props);
    if (stream_ == nullptr) {
        return;
    }
    playing_ = clip_;
    bytesWritten_ = 0;
    pa_stream_set_write_callback(stream_, StreamWritable, this);
    pa_stream_connect_playback(stream_, nullptr, nullptr, PA_STREAM_NOFLAGS, nullptr, nullptr);
}

void PulsePlayer::StreamWritable(pa_stream* stream, size_t bytes, void* self) {
    auto* player = static_cast<PulsePlayer*>(self);
    // The first request for data is the moment the click would start: a connection or a
    // stream that the server set up late drops it here.
    if (player->bytesWritten_ == 0 &&
        std::chrono::steady_clock::now() - player->requested_ >= kStaleAfter) {
        player->StopStream();
        return;
    }
    const auto* data = reinterpret_cast<const uint8_t*>(player->playing_->samples.data());
    const size_t total = player->playing_->samples.size() * sizeof(int16_t);
    const size_t count = std::min(bytes, total - player->bytesWritten_);
    pa_stream_write(stream, data + player->bytesWritten_, count, nullptr, 0, PA_SEEK_RELATIVE);
    player->bytesWritten_ += count;
    if (player->bytesWritten_ == total) {
        // Draining also starts a sound shorter than the server's prebuffer.
        pa_stream_set_write_callback(stream, nullptr, nullptr);
        pa_operation* drain = pa_stream_drain(stream, StreamDrained, self);
        if (drain != nullptr) {
            pa_operation_unref(drain);
        }
    }
}

void PulsePlayer::StreamDrained(pa_stream* stream, int, void* self) {
    auto* player = static_cast<PulsePlayer*>(self);
    if (stream == player->stream_) {
        player->StopStream();
    }
}

void PulsePlayer::StopStream() {
    if (stream_ == nullptr) {
        return;
    }
    pa_stream_set_write_callback(stream_, nullptr, nullptr);
    pa_stream_disconnect(stream_);
    pa_stream_unref(stream_);
    stream_ = nullptr;
}
