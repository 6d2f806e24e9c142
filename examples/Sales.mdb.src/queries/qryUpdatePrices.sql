UPDATE Products SET Products.UnitPrice = CCur([UnitPrice]*1.05)
WHERE (((Products.Discontinued)=False));
