var favorLink_NV = AddToFavor_NV.insertLink(document.currentScript, "<*link*>", <*url*>, <*title*>);
if (AddToFavor_NV.canBookmark()) {
    favorLink_NV.title = "Add to favourites";
}
<*other*>