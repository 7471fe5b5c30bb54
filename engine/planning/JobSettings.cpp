#include "JobSettings.h"

#include "EncodeSettings.h"
#include "OutputSettings.h"

namespace tolvane {

void CopySettingsToJob(const OutputSettings& settings, EncodeSettings& job) {
    job.includeVideo = !settings.audioOnly;
    job.writeThumbnail = settings.pspPreset ? 1 : -1;
    job.videoBitRate = settings.videoBitRate;
    job.videoHeight = settings.frameHeight;
    job.videoWidth = settings.frameWidth;
    job.videoFrameRate = FrameRateForText(settings.frameRateText).value_or(job.videoFrameRate);
    job.audioBitRate = settings.audioBitRate;
    job.audioChannels = settings.channels;
    job.audioSampleRate = settings.sampleRate;
    job.videoCodecId = VideoCodecForName(settings.videoEncoderName).value_or(job.videoCodecId);
    job.audioCodecId = AudioCodecForName(settings.audioEncoderName).value_or(job.audioCodecId);
    job.opusApplication = settings.opusApplication;
    job.centerMixDb = settings.centerMixDb;
}

}  // namespace tolvane
