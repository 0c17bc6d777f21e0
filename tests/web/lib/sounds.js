// SPDX-License-Identifier: GPL-3.0-or-later
// Put into a page before its own scripts: notes each sound the page starts, by
// the name of the file its samples came from, in window.__sounds.
(() => {
    const from = new WeakMap();  // the fetched bytes, then the decoded sound -> file name
    window.__sounds = [];
    const fileOf = (url) => new URL(url, location.href).pathname.split('/').pop();
    const arrayBuffer = Response.prototype.arrayBuffer;
    Response.prototype.arrayBuffer = async function () {
        const bytes = await arrayBuffer.call(this);
        from.set(bytes, fileOf(this.url));
        return bytes;
    };
    const decode = BaseAudioContext.prototype.decodeAudioData;
    BaseAudioContext.prototype.decodeAudioData = function (bytes, ...rest) {
        const name = from.get(bytes);
        // As on a slow machine, the shuffle is decoded only after the first deal's
        // cue, which follows it by 2000 ms of the page's time.
        const late = name?.startsWith('shuffle') ? new Promise((done) => setTimeout(done, 3000)) : Promise.resolve();
        return late.then(() => decode.call(this, bytes, ...rest)).then((sound) => {
            if (name) from.set(sound, name);
            return sound;
        });
    };
    const start = AudioBufferSourceNode.prototype.start;
    AudioBufferSourceNode.prototype.start = function (...args) {
        window.__sounds.push(from.get(this.buffer) ?? 'unknown');
        return start.apply(this, args);
    };
    for (const element of [HTMLMediaElement]) {
        const play = element.prototype.play;
        element.prototype.play = function (...args) {
            window.__sounds.push(fileOf(this.currentSrc || this.src));
            return play.apply(this, args);
        };
    }
})();
