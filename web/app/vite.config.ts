import { defineConfig } from "vite";

// One script and one style sheet, no source maps: the server reads the folder once at start.
export default defineConfig({
  base: "/",
  build: {
    target: "es2020",
    sourcemap: false,
    assetsInlineLimit: 0,
    reportCompressedSize: true,
  },
});
