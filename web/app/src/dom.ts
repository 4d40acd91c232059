// A small element builder: properties are assigned to the element, children appended.
type Props = Record<string, unknown> & { dataset?: Record<string, string> };

export function el(tag: string, props: Props = {}, ...children: (Node | string)[]): HTMLElement {
  const element = document.createElement(tag);
  for (const [key, value] of Object.entries(props)) {
    if (key === "dataset") {
      Object.assign(element.dataset, value as Record<string, string>);
    } else if (key === "role") {
      element.setAttribute("role", String(value));
    } else {
      (element as unknown as Record<string, unknown>)[key] = value;
    }
  }
  element.append(...children);
  return element;
}

export function clear(element: HTMLElement): void {
  element.replaceChildren();
}
